#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// Controls the lock screen: its camera, status bar, charging and timer views, media controls and
// full-screen bulletins, and what happens when the display turns off.
class SBLockScreenViewController : public UIViewController {
    OBJC_CLASS(SBLockScreenViewController, UIViewController)
public:
    static void registerMethods(Class);

    bool isCameraGrabberShown() const { return m_cameraGrabberShown; }
    bool isCameraActive() const { return m_cameraActive; }
    bool isChargingViewShown() const { return m_chargingViewShown; }
    bool isTimerViewShown() const { return m_timerViewShown; }
    bool areMediaControlsVisible() const { return m_mediaControlsVisible; }

private:
    void ownHandleDisplayTurnedOff() { }
    void ownAddCameraGrabberIfNecessary() { m_cameraGrabberShown = true; }
    void ownActivateCameraAnimated(bool) { m_cameraActive = true; }
    void ownCreateCameraControllerIfNecessary() { m_cameraControllerMade = true; }
    long ownStatusBarStyle() { return 1; }
    double ownEffectiveVisibleStatusBarAlpha() { return 1.0; }
    bool ownShowsSpringBoardStatusBar() { return true; }
    void ownAddBatteryChargingViewAndShowBattery(bool) { m_chargingViewShown = true; }
    void ownAddTimerView() { m_timerViewShown = true; }
    void ownAddTimerViewIfNecessary() { m_timerViewShown = true; }
    void ownSetMediaControlsVisible(bool visible) { m_mediaControlsVisible = visible; }
    void ownAddFullscreenBulletinViewWithItem(std::shared_ptr<NSObject>) { }
    void ownPresentFullscreenBulletinAlertWithItem(std::shared_ptr<NSObject>) { }

    bool m_cameraGrabberShown { false };
    bool m_cameraActive { false };
    bool m_cameraControllerMade { false };
    bool m_chargingViewShown { false };
    bool m_timerViewShown { false };
    bool m_mediaControlsVisible { false };
};

} // namespace springboard
