#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// A notification shown over the whole lock screen until the user acts on it.
class SBLockScreenFullscreenBulletinViewController : public UIViewController {
    OBJC_CLASS(SBLockScreenFullscreenBulletinViewController, UIViewController)
public:
    static void registerMethods(Class);

    void viewDidAppear(bool animated) override;
    void performDismissAction();
    bool isDismissed() const { return m_dismissed; }

private:
    void ownViewDidAppear(bool animated) { UIViewController::viewDidAppear(animated); }
    void ownPerformDismissAction() { m_dismissed = true; }

    bool m_dismissed { false };
};

} // namespace springboard
