#include "hooks/LumoraHooks.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBLockScreenViewController.h"
#include "hooks/PanelHost.h"
#include "settings/LMSettings.h"

namespace lumora {
namespace {

// The panel on the lock screen with SpringBoard's status bar switched off.
bool statusBarHidden()
{
    auto settings = LMSettings::sharedInstance();
    return PanelHost::isLockScreen(*settings) && !settings->shouldShowStatusBar();
}

objc::IMP<void> previousHandleDisplayTurnedOff;
void handleDisplayTurnedOff(id self, SEL cmd)
{
    if (LMSettings::sharedInstance()->enabled())
        LMView::sharedInstance()->hideAnyShowingDisplayViewsBecauseHomeButtonPressed(false);
    previousHandleDisplayTurnedOff(self, cmd);
}

objc::IMP<void> previousAddCameraGrabberIfNecessary;
void addCameraGrabberIfNecessary(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        previousAddCameraGrabberIfNecessary(self, cmd);
}

objc::IMP<void, bool> previousActivateCameraAnimated;
void activateCameraAnimated(id self, SEL cmd, bool animated)
{
    if (!PanelHost::isLockScreen())
        previousActivateCameraAnimated(self, cmd, animated);
}

objc::IMP<void> previousCreateCameraControllerIfNecessary;
void createCameraControllerIfNecessary(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        previousCreateCameraControllerIfNecessary(self, cmd);
}

objc::IMP<long> previousStatusBarStyle;
long statusBarStyle(id self, SEL cmd)
{
    return statusBarHidden() ? 0 : previousStatusBarStyle(self, cmd);
}

objc::IMP<double> previousEffectiveVisibleStatusBarAlpha;
double effectiveVisibleStatusBarAlpha(id self, SEL cmd)
{
    return statusBarHidden() ? 0.0 : previousEffectiveVisibleStatusBarAlpha(self, cmd);
}

objc::IMP<bool> previousShowsSpringBoardStatusBar;
bool showsSpringBoardStatusBar(id self, SEL cmd)
{
    return statusBarHidden() ? false : previousShowsSpringBoardStatusBar(self, cmd);
}

objc::IMP<void, bool> previousAddBatteryChargingViewAndShowBattery;
void addBatteryChargingViewAndShowBattery(id self, SEL cmd, bool showBattery)
{
    if (!PanelHost::isLockScreen())
        previousAddBatteryChargingViewAndShowBattery(self, cmd, showBattery);
}

objc::IMP<void> previousAddTimerView;
void addTimerView(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        previousAddTimerView(self, cmd);
}

objc::IMP<void> previousAddTimerViewIfNecessary;
void addTimerViewIfNecessary(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        previousAddTimerViewIfNecessary(self, cmd);
}

objc::IMP<void, bool> previousSetMediaControlsVisible;
void setMediaControlsVisible(id self, SEL cmd, bool visible)
{
    previousSetMediaControlsVisible(self, cmd, PanelHost::isLockScreen() ? false : visible);
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
