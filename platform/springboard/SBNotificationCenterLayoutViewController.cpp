#include "springboard/SBNotificationCenterLayoutViewController.h"

#include "contracts/SBNotificationCenterLayoutViewController.h"
#include "uikit/UIView.h"

namespace springboard {

using Messages = contracts::SBNotificationCenterLayoutViewController;

void SBNotificationCenterLayoutViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::_loadContentViewControllers,
        objc::implementation<&SBNotificationCenterLayoutViewController::ownLoadContentViewControllers>);
    cls->addMethod(Messages::viewWillAppear,
        objc::implementation<&SBNotificationCenterLayoutViewController::ownViewWillAppear>);
}

void SBNotificationCenterLayoutViewController::loadContentViewControllers()
{
    Messages::_loadContentViewControllers(this);
}

void SBNotificationCenterLayoutViewController::viewWillAppear(bool animated)
{
    Messages::viewWillAppear(this, animated);
}

void SBNotificationCenterLayoutViewController::ownLoadContentViewControllers()
{
    auto content = UIView::create(view()->bounds());
    content->setAccessibilityIdentifier("todayContent");
    view()->addSubview(content);
}

} // namespace springboard
