#include "springboard/SBNotificationCenterLayoutViewController.h"

#include "contracts/SBNotificationCenterLayoutViewController.h"
#include "springboard/HostSupport.h"
#include "springboard/SBStatusBarView.h"

namespace springboard {

using Messages = contracts::SBNotificationCenterLayoutViewController;

namespace {

constexpr CGFloat margin = 16;

} // namespace

void SBNotificationCenterLayoutViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::_loadContentViewControllers,
        objc::implementation<&SBNotificationCenterLayoutViewController::ownLoadContentViewControllers>);
    cls->addMethod(Messages::viewWillAppear,
        objc::implementation<&SBNotificationCenterLayoutViewController::ownViewWillAppear>);
}

void SBNotificationCenterLayoutViewController::viewDidLoad()
{
    Messages::_loadContentViewControllers(this);
}

void SBNotificationCenterLayoutViewController::viewWillAppear(bool animated)
{
    Messages::viewWillAppear(this, animated);
}

void SBNotificationCenterLayoutViewController::ownLoadContentViewControllers()
{
    CGFloat width = view()->bounds().size.width;
    auto header = makeLabel("todayDateHeader", "HelveticaNeue-Light", 28, NSTextAlignmentLeft);
    header->setFrame(CGRectMake(margin, SBStatusBarView::height + 20, width - 2 * margin, 36));
    auto summary = makeLabel("todaySummary", "HelveticaNeue-Light", 16, NSTextAlignmentLeft);
    summary->setNumberOfLines(0);
    summary->setText("No Events\nNothing is scheduled for the rest of the day.");
    summary->setFrame(CGRectMake(margin, SBStatusBarView::height + 64, width - 2 * margin, 44));
    m_dateHeader = header;
    for (auto& label : { header, summary }) {
        label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
        view()->addSubview(label);
    }
}

void SBNotificationCenterLayoutViewController::ownViewWillAppear(bool animated)
{
    UIViewController::viewWillAppear(animated);
    if (auto header = m_dateHeader.lock())
        header->setText(formatNow("EEEE, MMMM d"));
}

} // namespace springboard
