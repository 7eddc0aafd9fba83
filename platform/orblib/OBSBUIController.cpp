#include "orblib/OBSBUIController.h"

#include "contracts/OBSBUIController.h"
#include "contracts/SBLockScreenManager.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceLaunchLog.h"

namespace orblib {
namespace {

bool isUILocked()
{
    static objc::ClassRef lockScreenManagerClass { "SBLockScreenManager" };
    auto manager = contracts::shared<contracts::SBLockScreenManager>(lockScreenManagerClass);
    return manager && manager->isUILocked();
}

void open(SEL operation, std::string target, bool prompting)
{
    if (target.empty())
        return;
    DeviceLaunchLog::record({ sel_getName(operation), std::move(target), prompting && isUILocked() });
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
        open(contracts::OBSBUIController::activateApplication, app->bundleIdentifier(), false);
}

void OBSBUIController::activateApplicationPromptToUnlockIfNecessary(
    const std::shared_ptr<contracts::SBApplication>& app)
{
    if (app)
        open(contracts::OBSBUIController::activateApplicationPromptToUnlockIfNecessary,
            app->bundleIdentifier(), true);
}

void OBSBUIController::launchURLPromptToUnlockIfNecessary(const std::string& address)
{
    open(contracts::OBSBUIController::launchURLPromptToUnlockIfNecessary, address, true);
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
