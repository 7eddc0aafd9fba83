#include "hooks/LumoraHooks.h"

#include "contracts/SBLockScreenViewController.h"

namespace lumora {
namespace {

objc::IMP<void> previousHandleDisplayTurnedOff;
void handleDisplayTurnedOff(id self, SEL cmd)
{
    previousHandleDisplayTurnedOff(self, cmd);
}

objc::IMP<void> previousAddCameraGrabberIfNecessary;
void addCameraGrabberIfNecessary(id self, SEL cmd)
{
    previousAddCameraGrabberIfNecessary(self, cmd);
}

objc::IMP<void, bool> previousActivateCameraAnimated;
void activateCameraAnimated(id self, SEL cmd, bool animated)
{
    previousActivateCameraAnimated(self, cmd, animated);
}

objc::IMP<void> previousCreateCameraControllerIfNecessary;
void createCameraControllerIfNecessary(id self, SEL cmd)
{
    previousCreateCameraControllerIfNecessary(self, cmd);
}

objc::IMP<long> previousStatusBarStyle;
long statusBarStyle(id self, SEL cmd)
{
    return previousStatusBarStyle(self, cmd);
}

objc::IMP<double> previousEffectiveVisibleStatusBarAlpha;
double effectiveVisibleStatusBarAlpha(id self, SEL cmd)
{
    return previousEffectiveVisibleStatusBarAlpha(self, cmd);
}

objc::IMP<bool> previousShowsSpringBoardStatusBar;
bool showsSpringBoardStatusBar(id self, SEL cmd)
{
    return previousShowsSpringBoardStatusBar(self, cmd);
}

objc::IMP<void, bool> previousAddBatteryChargingViewAndShowBattery;
void addBatteryChargingViewAndShowBattery(id self, SEL cmd, bool showBattery)
{
    previousAddBatteryChargingViewAndShowBattery(self, cmd, showBattery);
}

objc::IMP<void> previousAddTimerView;
void addTimerView(id self, SEL cmd)
{
    previousAddTimerView(self, cmd);
}

objc::IMP<void> previousAddTimerViewIfNecessary;
void addTimerViewIfNecessary(id self, SEL cmd)
{
    previousAddTimerViewIfNecessary(self, cmd);
}

objc::IMP<void, bool> previousSetMediaControlsVisible;
void setMediaControlsVisible(id self, SEL cmd, bool visible)
{
    previousSetMediaControlsVisible(self, cmd, visible);
}

} // namespace

void installLockScreenViewControllerHooks(const HookGroup& group)
{
    using contracts::SBLockScreenViewController;
    group.hookClass("SBLockScreenViewController",
        {
            { SBLockScreenViewController::_handleDisplayTurnedOff, &handleDisplayTurnedOff,
                &previousHandleDisplayTurnedOff },
            { SBLockScreenViewController::_addCameraGrabberIfNecessary, &addCameraGrabberIfNecessary,
                &previousAddCameraGrabberIfNecessary },
            { SBLockScreenViewController::activateCameraAnimated, &activateCameraAnimated,
                &previousActivateCameraAnimated },
            { SBLockScreenViewController::_createCameraControllerIfNecessary,
                &createCameraControllerIfNecessary, &previousCreateCameraControllerIfNecessary },
            { SBLockScreenViewController::statusBarStyle, &statusBarStyle, &previousStatusBarStyle },
            { SBLockScreenViewController::_effectiveVisibleStatusBarAlpha, &effectiveVisibleStatusBarAlpha,
                &previousEffectiveVisibleStatusBarAlpha },
            { SBLockScreenViewController::showsSpringBoardStatusBar, &showsSpringBoardStatusBar,
                &previousShowsSpringBoardStatusBar },
            { SBLockScreenViewController::_addBatteryChargingViewAndShowBattery,
                &addBatteryChargingViewAndShowBattery, &previousAddBatteryChargingViewAndShowBattery },
            { SBLockScreenViewController::_addTimerView, &addTimerView, &previousAddTimerView },
            { SBLockScreenViewController::_addTimerViewIfNecessary, &addTimerViewIfNecessary,
                &previousAddTimerViewIfNecessary },
            { SBLockScreenViewController::_setMediaControlsVisible, &setMediaControlsVisible,
                &previousSetMediaControlsVisible },
        });
}

} // namespace lumora
