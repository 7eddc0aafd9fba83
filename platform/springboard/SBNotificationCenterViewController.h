#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

class SBNotificationCenterLayoutViewController;
class SBStatusBarView;

// The Notification Center (9.x): a dark sheet over the screen with a status bar of its own
// (loaded by _loadStatusBar, sent through the runtime while its view is made) and the Today
// page (its layout controller) under it.
class SBNotificationCenterViewController : public UIViewController {
    OBJC_CLASS(SBNotificationCenterViewController, UIViewController)
public:
    static std::shared_ptr<SBNotificationCenterViewController> create();
    static void registerMethods(Class);

    void loadView() override;
    const std::shared_ptr<SBNotificationCenterLayoutViewController>& layoutViewController() const
    {
        return m_layoutViewController;
    }
    // Nothing until _loadStatusBar has run.
    const std::shared_ptr<SBStatusBarView>& statusBar() const { return m_statusBar; }

private:
    void ownLoadStatusBar();

    std::shared_ptr<SBNotificationCenterLayoutViewController> m_layoutViewController;
    std::shared_ptr<SBStatusBarView> m_statusBar;
};

} // namespace springboard
