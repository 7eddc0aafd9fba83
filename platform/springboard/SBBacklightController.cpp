#include "springboard/SBBacklightController.h"

#include "contracts/SBLockScreenViewController.h"
#include "dispatch/NSTimer.h"
#include "springboard/Device.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBSearchGesture.h"

#include <cmath>

namespace springboard {

void SBBacklightController::registerMethods(Class cls)
{
    registerSharedInstance<SBBacklightController>(cls);
    cls->addMethod(contracts::SBBacklightController::defaultLockScreenDimInterval,
        objc::implementation<&SBBacklightController::ownDefaultLockScreenDimInterval>);
}

bool SBBacklightController::screenIsOn()
{
    return currentDevice().screenOn;
}

void SBBacklightController::resetLockScreenIdleTimer()
{
    if (m_idleTimer)
        m_idleTimer->invalidate();
    m_idleTimer = nullptr;
    if (!screenIsOn() || !SBLockScreenManager::sharedInstance()->lockScreenViewController())
        return;
    // An interval that is not a positive number of seconds would turn the display off at once
    // or never; SpringBoard keeps its own then.
    double interval = defaultLockScreenDimInterval();
    if (!std::isfinite(interval) || interval <= 0)
        interval = ownLockScreenDimInterval;
    std::weak_ptr<SBBacklightController> weakSelf = objc::retain(this);
    m_idleTimer = NSTimer::scheduledTimerWithTimeInterval(
        interval,
        [weakSelf](NSTimer*) {
            if (auto self = weakSelf.lock())
                self->idleTimerFired();
        },
        false);
}

std::optional<CFAbsoluteTime> SBBacklightController::idleTimerFireDate() const
{
    if (!m_idleTimer || !m_idleTimer->isValid())
        return std::nullopt;
    return m_idleTimer->fireDate();
}

void SBBacklightController::idleTimerFired()
{
    m_idleTimer = nullptr;
    turnDisplayOff();
}

void SBBacklightController::turnDisplayOff()
{
    if (screenIsOff())
        return;
    currentDevice().screenOn = false;
    resetLockScreenIdleTimer();
    SBNotificationCenterController::sharedInstance()->dismiss();
    SBSearchGesture::sharedInstance()->dismiss();
    auto lockScreenManager = SBLockScreenManager::sharedInstance();
    lockScreenManager->lockUI();
    contracts::SBLockScreenViewController::_handleDisplayTurnedOff(
        lockScreenManager->lockScreenViewController().get());
}

void SBBacklightController::turnDisplayOn()
{
    if (screenIsOn())
        return;
    currentDevice().screenOn = true;
    if (auto controller = SBLockScreenManager::sharedInstance()->lockScreenViewController())
        controller->layoutLockScreen();
    resetLockScreenIdleTimer();
}

} // namespace springboard
