#pragma once

#include "objc/Message.h"
#include "uikit/UIView.h"

namespace contracts {

// SpringBoard's lock-screen view. Lumora only replaces its methods and reads its fields
// (_foregroundScrollView, _pluginView, _bottomLeftGrabberView, _slideToUnlockView,
// _notificationView, all std::shared_ptr<UIView>).
struct SBLockScreenView {
    static inline const objc::Message<id(CGRect)> initWithFrame { "initWithFrame:" };
    static inline const objc::Message<void()> layoutSubviews { "layoutSubviews" };
    static inline const objc::Message<void()> _layoutSlideToUnlockView { "_layoutSlideToUnlockView" };
    static inline const objc::Message<void(std::shared_ptr<UIView>, bool)> _layoutGrabberView {
        "_layoutGrabberView:atTop:"
    };
    static inline const objc::Message<void()> _layoutNotificationView { "_layoutNotificationView" };
    static inline const objc::Message<int()> coordinatedPresentingControllerIdentifier {
        "coordinatedPresentingControllerIdentifier"
    };
};

} // namespace contracts
