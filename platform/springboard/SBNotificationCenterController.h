#pragma once

#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBNotificationCenterViewController;

// Presents the Notification Center over the screen (9.x). It is built the first time it is
// presented; its Today page hears viewWillAppear: each time.
class SBNotificationCenterController : public NSObject {
    OBJC_CLASS(SBNotificationCenterController, NSObject)
public:
    static std::shared_ptr<SBNotificationCenterController> create()
    {
        return std::make_shared<SBNotificationCenterController>();
    }
    static std::shared_ptr<SBNotificationCenterController> sharedInstance()
    {
        return dispatch::sharedInstance<SBNotificationCenterController>();
    }

    void present();
    void dismiss();
    bool isVisible() const { return m_visible; }
    // Nothing until first presented.
    const std::shared_ptr<SBNotificationCenterViewController>& viewController() const
    {
        return m_viewController;
    }

private:
    std::shared_ptr<SBNotificationCenterViewController> m_viewController;
    bool m_visible { false };
};

} // namespace springboard
