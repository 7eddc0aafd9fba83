#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// The Today page's controller (9.x): loads the page's own content views.
class SBNotificationCenterLayoutViewController : public UIViewController {
    OBJC_CLASS(SBNotificationCenterLayoutViewController, UIViewController)
public:
    static void registerMethods(Class);

    void loadContentViewControllers();
    void viewWillAppear(bool animated) override;

private:
    void ownLoadContentViewControllers();
    void ownViewWillAppear(bool animated) { UIViewController::viewWillAppear(animated); }
};

} // namespace springboard
