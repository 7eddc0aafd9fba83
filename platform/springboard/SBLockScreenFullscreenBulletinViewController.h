#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

class SBAwayBulletinListItem;
class SBLockScreenViewController;

// A notification shown over the whole lock screen (an alarm, a reminder) until the user
// dismisses it, with its Dismiss button or through performDismissAction.
class SBLockScreenFullscreenBulletinViewController : public UIViewController {
    OBJC_CLASS(SBLockScreenFullscreenBulletinViewController, UIViewController)
public:
    static std::shared_ptr<SBLockScreenFullscreenBulletinViewController> create(
        std::shared_ptr<SBAwayBulletinListItem> item,
        const std::shared_ptr<SBLockScreenViewController>& presenter);
    static void registerMethods(Class);

    void loadView() override;
    // Sent through the runtime.
    void viewDidAppear(bool animated) override;
    void performDismissAction();

    const std::shared_ptr<SBAwayBulletinListItem>& item() const { return m_item; }
    bool isDismissed() const { return m_dismissed; }

private:
    void ownViewDidAppear(bool animated) { UIViewController::viewDidAppear(animated); }
    void ownPerformDismissAction();

    std::shared_ptr<SBAwayBulletinListItem> m_item;
    std::weak_ptr<SBLockScreenViewController> m_presenter;
    bool m_dismissed { false };
};

} // namespace springboard
