#include "springboard/SBLockScreenViewController.h"

#include "contracts/SBLockScreenViewController.h"

namespace springboard {

void SBLockScreenViewController::registerMethods(Class cls)
{
    using Messages = contracts::SBLockScreenViewController;
    using Self = SBLockScreenViewController;
    cls->addMethod(Messages::_handleDisplayTurnedOff, objc::implementation<&Self::ownHandleDisplayTurnedOff>);
    cls->addMethod(
        Messages::_addCameraGrabberIfNecessary, objc::implementation<&Self::ownAddCameraGrabberIfNecessary>);
    cls->addMethod(Messages::activateCameraAnimated, objc::implementation<&Self::ownActivateCameraAnimated>);
    cls->addMethod(Messages::_createCameraControllerIfNecessary,
        objc::implementation<&Self::ownCreateCameraControllerIfNecessary>);
    cls->addMethod(Messages::statusBarStyle, objc::implementation<&Self::ownStatusBarStyle>);
    cls->addMethod(Messages::_effectiveVisibleStatusBarAlpha,
        objc::implementation<&Self::ownEffectiveVisibleStatusBarAlpha>);
    cls->addMethod(
        Messages::showsSpringBoardStatusBar, objc::implementation<&Self::ownShowsSpringBoardStatusBar>);
    cls->addMethod(Messages::_addBatteryChargingViewAndShowBattery,
        objc::implementation<&Self::ownAddBatteryChargingViewAndShowBattery>);
    cls->addMethod(Messages::_addTimerView, objc::implementation<&Self::ownAddTimerView>);
    cls->addMethod(
        Messages::_addTimerViewIfNecessary, objc::implementation<&Self::ownAddTimerViewIfNecessary>);
    cls->addMethod(
        Messages::_setMediaControlsVisible, objc::implementation<&Self::ownSetMediaControlsVisible>);
    cls->addMethod(Messages::_addFullscreenBulletinViewWithItem,
        objc::implementation<&Self::ownAddFullscreenBulletinViewWithItem>);
    cls->addMethod(Messages::presentFullscreenBulletinAlertWithItem,
        objc::implementation<&Self::ownPresentFullscreenBulletinAlertWithItem>);
}

} // namespace springboard
