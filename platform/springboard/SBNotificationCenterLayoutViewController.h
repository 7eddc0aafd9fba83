#pragma once

#include "uikit/UIViewController.h"

class UILabel;

namespace springboard {

// The Today page (9.x). Its content (the date and the day's summary) is made by
// _loadContentViewControllers, sent through the runtime once its view exists; viewWillAppear:,
// sent through the runtime too, comes each time the page is about to show.
class SBNotificationCenterLayoutViewController : public UIViewController {
    OBJC_CLASS(SBNotificationCenterLayoutViewController, UIViewController)
public:
    static std::shared_ptr<SBNotificationCenterLayoutViewController> create()
    {
        return std::make_shared<SBNotificationCenterLayoutViewController>();
    }
    static void registerMethods(Class);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void ownLoadContentViewControllers();
    void ownViewWillAppear(bool animated);

    std::weak_ptr<UILabel> m_dateHeader;
};

} // namespace springboard
