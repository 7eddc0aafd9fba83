#pragma once

#include "uikit/UIView.h"

class UIScrollView;

namespace springboard {

class SBFLockScreenDateView;

// SpringBoard's lock-screen view. Its foreground scroll view holds two pages, the passcode page
// and the lock screen itself, and rests on the second (content offset one screen width). On that
// page: the clock (SBFLockScreenDateView), the accessory views the controller adds (timer,
// charging, media controls) stacked under it, the notification list, the slide-to-unlock text,
// the grabbers, the camera grabber and the plug-in view.
// not implemented: scrolling the pages (sliding to unlock)
class SBLockScreenView : public UIView {
    OBJC_CLASS(SBLockScreenView, UIView)
public:
    // Makes the view through the replaceable initWithFrame:.
    static std::shared_ptr<SBLockScreenView> createWithFrame(CGRect frame);
    static void registerMethods(Class);

    // Sent through the runtime.
    void layoutSubviews() override;

    std::shared_ptr<UIScrollView> foregroundScrollView() const;
    const std::shared_ptr<SBFLockScreenDateView>& dateView() const { return m_dateView; }
    const std::shared_ptr<UIView>& slideToUnlockView() const { return m_slideToUnlockView; }
    const std::shared_ptr<UIView>& notificationView() const { return m_notificationView; }

    // Views the controller adds to the lock screen page, or takes away with nothing.
    void setCameraGrabberView(std::shared_ptr<UIView>);
    void setTimerView(std::shared_ptr<UIView>);
    void setChargingView(std::shared_ptr<UIView>);
    void setMediaControlsView(std::shared_ptr<UIView>);
    const std::shared_ptr<UIView>& cameraGrabberView() const { return m_cameraGrabberView; }
    const std::shared_ptr<UIView>& timerView() const { return m_timerView; }
    const std::shared_ptr<UIView>& chargingView() const { return m_chargingView; }
    const std::shared_ptr<UIView>& mediaControlsView() const { return m_mediaControlsView; }

private:
    id ownInitWithFrame(CGRect);
    void ownLayoutSubviews();
    void ownLayoutSlideToUnlockView();
    void ownLayoutGrabberView(std::shared_ptr<UIView> grabber, bool atTop);
    void ownLayoutNotificationView();
    int ownCoordinatedPresentingControllerIdentifier() { return 0; }

    void replaceAccessory(std::shared_ptr<UIView>& slot, std::shared_ptr<UIView> view);
    // Where the lock-screen page begins in the foreground scroll view.
    CGFloat pageX() const { return bounds().size.width; }
    // Below the clock and the accessory views.
    CGFloat accessoriesBottom() const;
    void layoutAccessories();

    // Fields of the platform's type: they are read by name.
    std::shared_ptr<UIView> m_foregroundScrollView;
    std::shared_ptr<UIView> m_pluginView;
    std::shared_ptr<UIView> m_topGrabberView;
    std::shared_ptr<UIView> m_bottomGrabberView;
    std::shared_ptr<UIView> m_bottomLeftGrabberView;
    std::shared_ptr<UIView> m_slideToUnlockView;
    std::shared_ptr<UIView> m_notificationView;
    std::shared_ptr<SBFLockScreenDateView> m_dateView;
    std::shared_ptr<UIView> m_cameraGrabberView;
    std::shared_ptr<UIView> m_timerView;
    std::shared_ptr<UIView> m_chargingView;
    std::shared_ptr<UIView> m_mediaControlsView;
};

} // namespace springboard
