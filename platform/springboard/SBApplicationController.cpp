#include "springboard/SBApplicationController.h"

#include "springboard/Device.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBApplication.h"

namespace springboard {

std::shared_ptr<SBApplicationController> SBApplicationController::create()
{
    auto controller = std::make_shared<SBApplicationController>();
    for (auto& application : currentDevice().applications)
        controller->m_applications.push_back(
            std::make_shared<SBApplication>(application.bundleIdentifier, application.displayName));
    return controller;
}

void SBApplicationController::registerMethods(Class cls)
{
    registerSharedInstance<SBApplicationController>(cls);
}

std::shared_ptr<SBApplication> SBApplicationController::applicationWithBundleIdentifier(
    std::string_view bundleIdentifier) const
{
    for (auto& application : m_applications) {
        if (application->bundleIdentifier() == bundleIdentifier)
            return application;
    }
    return nullptr;
}

} // namespace springboard
