#include "springboard/PasscodePrompt.h"

#include "objc/ProcessLocal.h"
#include "orblib/OBSBUIController.h"
#include "springboard/Device.h"
#include "springboard/SBLockScreenManager.h"
#include "uikit/UIAlertView.h"

#include <vector>

namespace springboard {
namespace {

// An alert holds its delegate weakly: the prompts wait here until answered.
objc::ProcessLocal<std::vector<std::shared_ptr<PasscodePrompt>>> s_waiting;

void requestUnlockImplementation(id, SEL, std::function<void()> then)
{
    PasscodePrompt::requestUnlock(std::move(then));
}

} // namespace

void PasscodePrompt::requestUnlock(std::function<void()> then)
{
    auto& device = currentDevice();
    if (device.locked && !device.hasPasscode)
        SBLockScreenManager::sharedInstance()->unlockUI();
    if (!device.locked) {
        if (then)
            then();
        return;
    }
    auto prompt = std::make_shared<PasscodePrompt>(std::move(then));
    s_waiting->push_back(prompt);
    UIAlertView::create(title, "Unlock to continue", prompt, "Cancel", { "Unlock" })->show();
}

void PasscodePrompt::clickedButtonAtIndex(UIAlertView* alert, NSInteger index)
{
    auto self = objc::retain(this);
    std::erase(*s_waiting, self);
    if (!alert || index == alert->cancelButtonIndex())
        return;
    SBLockScreenManager::sharedInstance()->unlockUI();
    if (m_then)
        m_then();
}

void PasscodePrompt::registerMethods(Class lockScreenManager)
{
    lockScreenManager->addMethod(orblib::OBSBUIController::requestUnlock, &requestUnlockImplementation);
}

} // namespace springboard
