#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// The Notification Center (9.x): its status bar and its pages.
class SBNotificationCenterViewController : public UIViewController {
    OBJC_CLASS(SBNotificationCenterViewController, UIViewController)
public:
    static void registerMethods(Class);

    void loadStatusBar();
    bool isStatusBarLoaded() const { return m_statusBarLoaded; }

private:
    void ownLoadStatusBar() { m_statusBarLoaded = true; }

    bool m_statusBarLoaded { false };
};

} // namespace springboard
