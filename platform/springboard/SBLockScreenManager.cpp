#include "springboard/SBLockScreenManager.h"

#include "springboard/Device.h"
#include "springboard/PasscodePrompt.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBUIController.h"
#include "springboard/SBWallpaperController.h"

namespace springboard {

void SBLockScreenManager::registerMethods(Class cls)
{
    registerSharedInstance<SBLockScreenManager>(cls);
    cls->addMethod(contracts::SBLockScreenManager::noteMenuButtonDown,
        objc::implementation<&SBLockScreenManager::ownNoteMenuButtonDown>);
    PasscodePrompt::registerMethods(cls);
}

bool SBLockScreenManager::isUILocked()
{
    return currentDevice().locked;
}

void SBLockScreenManager::lockUI()
{
    currentDevice().locked = true;
    if (m_lockScreenViewController)
        return;
    m_lockScreenViewController = SBLockScreenViewController::create();
    m_lockScreenViewController->present();
    lockStateChanged();
}

void SBLockScreenManager::unlockUI()
{
    currentDevice().locked = false;
    auto controller = std::move(m_lockScreenViewController);
    if (!controller)
        return;
    controller->dismiss();
    SBAppStatusBarManager::sharedInstance()->setStatusBarAlpha(1);
    lockStateChanged();
}

void SBLockScreenManager::lockStateChanged()
{
    SBWallpaperController::sharedInstance()->updateForLockState();
    SBUIController::sharedInstance()->updateForLockState();
    SBBacklightController::sharedInstance()->resetLockScreenIdleTimer();
    SBAppStatusBarManager::sharedInstance()->updateStatusBar();
}

void SBLockScreenManager::ownNoteMenuButtonDown()
{
    auto backlight = SBBacklightController::sharedInstance();
    if (backlight->screenIsOff()) {
        backlight->turnDisplayOn();
        return;
    }
    if (!m_lockScreenViewController)
        return;
    backlight->resetLockScreenIdleTimer();
    if (m_lockScreenViewController->dismissCamera() || SBUIController::sharedInstance()->isShowingPage())
        return;
    if (!currentDevice().hasPasscode)
        unlockUI();
}

} // namespace springboard
