#include "LMKalendoMissiva/LMTableSummaryViews.h"

#include "LMKalendoMissiva/LMScheduleGatherer.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "objc/Format.h"
#include "settings/LMSettings.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UITableView.h"
#include "uikit/UITapGestureRecognizer.h"

namespace {

std::shared_ptr<UILabel> centredLabel(CGRect frame, std::string text, const LMSettings& settings)
{
    auto label = UILabel::create(frame);
    label->setAccessibilityIdentifier("_summaryLabel");
    label->setText(std::move(text));
    label->setTextColor(settings.themeColor());
    label->setFont(UIFont::fontWithName("HelveticaNeue-Light", 14));
    label->setNumberOfLines(1);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setUserInteractionEnabled(false);
    return label;
}

std::string scheduleText(const LMTableViewController& controller, const LMSettings& settings)
{
    if (!controller.hasLoadedDataAtLeastOnce())
        return "Loading schedule...";
    if (!controller.hasAnythingScheduled()) {
        int days = LMScheduleGatherer::boundedDaysFromNow(settings.kalendoDaysFromNow());
        if (days == 2)
            return "You have nothing scheduled for today or tomorrow";
        if (days == 1)
            return "You have nothing scheduled for today";
        if (days == 0)
            return "Nothing scheduled";
        return objc::format("You have nothing scheduled for the next %d days", days);
    }
    if (!settings.somethingScheduledLabelEnabled())
        return {};
    return objc::format("Your next %@ is %@", controller.nextEventType().value_or(""), controller.timeUntilNextEvent());
}

std::string notificationText(const LMTableViewController& controller, const LMSettings& settings)
{
    if (!controller.hasLoadedDataAtLeastOnce())
        return "Loading notifications...";
    if (!controller.hasAnyNotifications())
        return "No notifications";
    if (!settings.hasNotificationsLabelEnabled())
        return {};
    if (controller.notificationCount() == 1)
        return "You have 1 notification";
    return objc::format("You have %d notifications", controller.notificationCount());
}

} // namespace

std::string LMTableSummaryViews::summaryText(const LMTableViewController& controller, const std::string& type)
{
    const auto& settings = *controller.settings();
    return type == "events" ? scheduleText(controller, settings) : notificationText(controller, settings);
}

std::shared_ptr<UIView> LMTableSummaryViews::summaryLine(const LMTableViewController& controller, const std::string& type)
{
    CGRect frame = CGRectMake(0, 0, controller.tableView()->width(), LMTableViewController::cellHeight);
    auto view = UIView::create(frame);
    view->setAccessibilityIdentifier(type == "events" ? "_eventsSummary" : "_notificationsSummary");
    view->setBackgroundColor(UIColor::clearColor());
    view->addSubview(centredLabel(frame, summaryText(controller, type), *controller.settings()));
    return view;
}

std::shared_ptr<UIView> LMTableSummaryViews::footer(const std::shared_ptr<LMTableViewController>& controller)
{
    CGRect frame = CGRectMake(0, 0, controller->tableView()->width(), LMTableViewController::cellHeight);
    auto view = UIView::create(frame);
    view->setAccessibilityIdentifier("_notificationFooterView");
    view->setBackgroundColor(UIColor::clearColor());
    view->layer().setCornerRadius(5);
    view->setClipsToBounds(true);
    auto tint = UIView::create(frame);
    tint->setBackgroundColor(UIColor::redColor());
    tint->setAlpha(0.1);
    view->addSubview(tint);
    view->addSubview(centredLabel(frame, "Dismiss All Notifications", *controller->settings()));
    view->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
        controller, &LMTableViewController::notificationFooterViewSingleTapRecognizer));
    return view;
}
