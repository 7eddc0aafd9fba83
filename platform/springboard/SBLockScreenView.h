#pragma once

#include "uikit/UIView.h"

namespace springboard {

class SBFLockScreenDateView;

// SpringBoard's lock-screen view: a foreground scroll view holding the lock screen's pages,
// the slide-to-unlock text, the grabbers, the notification list and the plug-in view.
class SBLockScreenView : public UIView {
    OBJC_CLASS(SBLockScreenView, UIView)
public:
    static void registerMethods(Class);

    void layoutSubviews() override;

    const std::shared_ptr<UIView>& foregroundScrollView() const { return m_foregroundScrollView; }
    const std::shared_ptr<SBFLockScreenDateView>& dateView() const { return m_dateView; }

private:
    id ownInitWithFrame(CGRect);
    void ownLayoutSubviews();
    void ownLayoutSlideToUnlockView();
    void ownLayoutGrabberView(std::shared_ptr<UIView> grabber, bool atTop);
    void ownLayoutNotificationView();
    int ownCoordinatedPresentingControllerIdentifier() { return 0; }

    std::shared_ptr<UIView> m_foregroundScrollView;
    std::shared_ptr<UIView> m_pluginView;
    std::shared_ptr<UIView> m_topGrabberView;
    std::shared_ptr<UIView> m_bottomLeftGrabberView;
    std::shared_ptr<UIView> m_slideToUnlockView;
    std::shared_ptr<UIView> m_notificationView;
    std::shared_ptr<SBFLockScreenDateView> m_dateView;
};

} // namespace springboard
