#pragma once

#include "objc/Message.h"

namespace contracts {

struct SBLockScreenViewController {
    static inline const objc::Message<void()> _handleDisplayTurnedOff { "_handleDisplayTurnedOff" };
    static inline const objc::Message<void()> _addCameraGrabberIfNecessary { "_addCameraGrabberIfNecessary" };
    static inline const objc::Message<void(bool)> activateCameraAnimated { "activateCameraAnimated:" };
    static inline const objc::Message<void()> _createCameraControllerIfNecessary {
        "_createCameraControllerIfNecessary"
    };
    static inline const objc::Message<long()> statusBarStyle { "statusBarStyle" };
    static inline const objc::Message<double()> _effectiveVisibleStatusBarAlpha {
        "_effectiveVisibleStatusBarAlpha"
    };
    static inline const objc::Message<bool()> showsSpringBoardStatusBar { "showsSpringBoardStatusBar" };
    static inline const objc::Message<void(bool)> _addBatteryChargingViewAndShowBattery {
        "_addBatteryChargingViewAndShowBattery:"
    };
    static inline const objc::Message<void()> _addTimerView { "_addTimerView" };
    static inline const objc::Message<void()> _addTimerViewIfNecessary { "_addTimerViewIfNecessary" };
    static inline const objc::Message<void(bool)> _setMediaControlsVisible { "_setMediaControlsVisible:" };
    static inline const objc::Message<void(std::shared_ptr<NSObject>)> _addFullscreenBulletinViewWithItem {
        "_addFullscreenBulletinViewWithItem:"
    };
    static inline const objc::Message<void(std::shared_ptr<NSObject>)>
        presentFullscreenBulletinAlertWithItem { "presentFullscreenBulletinAlertWithItem:" };
};

} // namespace contracts
