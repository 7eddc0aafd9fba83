#include "orblib/OBSBUIController.h"

#include "contracts/OBSBUIController.h"
#include "contracts/SBLockScreenManager.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceLaunchLog.h"

namespace orblib {
namespace {

std::shared_ptr<contracts::SBLockScreenManager> lockScreenManager()
{
    static objc::ClassRef lockScreenManagerClass { "SBLockScreenManager" };
    return contracts::shared<contracts::SBLockScreenManager>(lockScreenManagerClass);
}

void open(SEL operation, std::string target)
{
    if (target.empty())
        return;
    auto manager = lockScreenManager();
    if (!manager || !manager->isUILocked()) {
        DeviceLaunchLog::record({ sel_getName(operation), std::move(target), false, true });
        return;
    }
    auto launch = DeviceLaunchLog::record({ sel_getName(operation), std::move(target), true, false });
    auto object = std::dynamic_pointer_cast<NSObject>(manager);
    if (!object || !object->objcClass()->lookupInstanceMethod(OBSBUIController::requestUnlock)) {
        DeviceLaunchLog::markOpened(launch);
        return;
    }
    OBSBUIController::requestUnlock(object.get(), [launch] { DeviceLaunchLog::markOpened(launch); });
}

void activateApplicationImplementation(Class, SEL, std::shared_ptr<contracts::SBApplication> app)
{
    OBSBUIController::activateApplication(app);
}

void activateApplicationPromptingImplementation(Class, SEL, std::shared_ptr<contracts::SBApplication> app)
{
    OBSBUIController::activateApplicationPromptToUnlockIfNecessary(app);
}

void launchURLPromptingImplementation(Class, SEL, std::string address)
{
    OBSBUIController::launchURLPromptToUnlockIfNecessary(address);
}

} // namespace

void OBSBUIController::activateApplication(const std::shared_ptr<contracts::SBApplication>& app)
{
    if (app)
        open(contracts::OBSBUIController::activateApplication, app->bundleIdentifier());
}

void OBSBUIController::activateApplicationPromptToUnlockIfNecessary(
    const std::shared_ptr<contracts::SBApplication>& app)
{
    if (app)
        open(contracts::OBSBUIController::activateApplicationPromptToUnlockIfNecessary,
            app->bundleIdentifier());
}

void OBSBUIController::launchURLPromptToUnlockIfNecessary(const std::string& address)
{
    open(contracts::OBSBUIController::launchURLPromptToUnlockIfNecessary, address);
}

void OBSBUIController::registerClass()
{
    using Messages = contracts::OBSBUIController;
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(Messages::activateApplication, &activateApplicationImplementation);
    staticClass()->addClassMethod(
        Messages::activateApplicationPromptToUnlockIfNecessary, &activateApplicationPromptingImplementation);
    staticClass()->addClassMethod(
        Messages::launchURLPromptToUnlockIfNecessary, &launchURLPromptingImplementation);
}

} // namespace orblib
