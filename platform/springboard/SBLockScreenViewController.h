#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

class SBLockScreenFullscreenBulletinViewController;
class SBLockScreenView;

// Controls the lock screen: builds its view, and adds and takes away the camera, the charging,
// timer and media views and full-screen bulletins as the device calls for them. The methods a
// tweak may replace are sent through the runtime at the moments SpringBoard sends them:
// - building: initWithFrame: (loadView), _addCameraGrabberIfNecessary (viewDidLoad),
//   _createCameraControllerIfNecessary (viewWillAppear:), then a layout pass; then, as the device
//   calls for them, _addBatteryChargingViewAndShowBattery:, _addTimerViewIfNecessary (which sends
//   _addTimerView) and _setMediaControlsVisible:;
// - the camera swipe: activateCameraAnimated:; the display turning off: _handleDisplayTurnedOff
//   (sent by SBBacklightController);
// - a full-screen bulletin: presentFullscreenBulletinAlertWithItem:, which sends
//   _addFullscreenBulletinViewWithItem:;
// - the status bar (SBAppStatusBarManager): statusBarStyle, showsSpringBoardStatusBar,
//   _effectiveVisibleStatusBarAlpha.
class SBLockScreenViewController : public UIViewController {
    OBJC_CLASS(SBLockScreenViewController, UIViewController)
public:
    static std::shared_ptr<SBLockScreenViewController> create()
    {
        return std::make_shared<SBLockScreenViewController>();
    }
    static void registerMethods(Class);

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    std::shared_ptr<SBLockScreenView> lockScreenView();

    // Puts the lock screen in the root window and lays it out, then adds the views the device
    // calls for.
    void present();
    // Takes it off the screen, with what covers it.
    void dismiss();
    // The lock-screen view's layoutSubviews (sent through the runtime), and the clock's.
    void layoutLockScreen();

    // What happens on the device.
    void chargerChanged();
    void batteryChanged();
    void timerChanged();
    void musicChanged();
    void showMediaControls();
    void swipeCamera();
    // Closes the camera; false when it was not open.
    bool dismissCamera();
    void presentFullscreenBulletin(std::shared_ptr<NSObject> item);
    const std::shared_ptr<SBLockScreenFullscreenBulletinViewController>&
    fullscreenBulletinViewController() const
    {
        return m_bulletinViewController;
    }
    // Sent by the bulletin's controller once it is dismissed.
    void fullscreenBulletinDidDismiss();

    bool isCameraActive() const { return m_cameraView != nullptr; }

private:
    void ownHandleDisplayTurnedOff();
    void ownAddCameraGrabberIfNecessary();
    void ownActivateCameraAnimated(bool animated);
    void ownCreateCameraControllerIfNecessary() { m_hasCameraController = true; }
    long ownStatusBarStyle() { return 1; }
    double ownEffectiveVisibleStatusBarAlpha() { return 1.0; }
    bool ownShowsSpringBoardStatusBar() { return true; }
    void ownAddBatteryChargingViewAndShowBattery(bool showBattery);
    void ownAddTimerView();
    void ownAddTimerViewIfNecessary();
    void ownSetMediaControlsVisible(bool visible);
    void ownAddFullscreenBulletinViewWithItem(std::shared_ptr<NSObject> item);
    void ownPresentFullscreenBulletinAlertWithItem(std::shared_ptr<NSObject> item);

    std::shared_ptr<SBLockScreenFullscreenBulletinViewController> m_bulletinViewController;
    std::shared_ptr<UIView> m_cameraView;
    bool m_hasCameraController { false };
};

} // namespace springboard
