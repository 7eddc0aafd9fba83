#include "LMKalendoMissiva/LMTableSummaryViews.h"

#include "LMKalendoMissiva/LMScheduleGatherer.h"
#include "objc/Format.h"
#include "settings/LMSettings.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

namespace {

// The table's cell height: the lines are made that high and the table shows them shorter.
constexpr CGFloat lineHeight = 40;

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

std::string scheduleText(const LMTableSummary& summary, const LMSettings& settings)
{
    if (!summary.hasLoadedDataAtLeastOnce)
        return "Loading schedule...";
    if (!summary.hasAnythingScheduled) {
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
    return objc::format("Your next %@ is %@", summary.nextEventType, summary.timeUntilNextEvent);
}

std::string notificationText(const LMTableSummary& summary, const LMSettings& settings)
{
    if (!summary.hasLoadedDataAtLeastOnce)
        return "Loading notifications...";
    if (!summary.hasAnyNotifications)
        return "No notifications";
    if (!settings.hasNotificationsLabelEnabled())
        return {};
    if (summary.notificationCount == 1)
        return "You have 1 notification";
    return objc::format("You have %d notifications", summary.notificationCount);
}

} // namespace

std::string LMTableSummaryViews::summaryText(
    const LMTableSummary& summary, const LMSettings& settings, const std::string& type)
{
    return type == "events" ? scheduleText(summary, settings) : notificationText(summary, settings);
}

std::shared_ptr<UIView> LMTableSummaryViews::summaryLine(
    CGFloat width, std::string text, const LMSettings& settings, const std::string& type)
{
    CGRect frame = CGRectMake(0, 0, width, lineHeight);
    auto view = UIView::create(frame);
    view->setAccessibilityIdentifier(type == "events" ? "_eventsSummary" : "_notificationsSummary");
    view->setBackgroundColor(UIColor::clearColor());
    view->addSubview(centredLabel(frame, std::move(text), settings));
    return view;
}

std::shared_ptr<UIView> LMTableSummaryViews::footer(CGFloat width, const LMSettings& settings)
{
    CGRect frame = CGRectMake(0, 0, width, lineHeight);
    auto view = UIView::create(frame);
    view->setAccessibilityIdentifier("_notificationFooterView");
    view->setBackgroundColor(UIColor::clearColor());
    view->layer().setCornerRadius(5);
    view->setClipsToBounds(true);
    auto tint = UIView::create(frame);
    tint->setBackgroundColor(UIColor::redColor());
    tint->setAlpha(0.1);
    view->addSubview(tint);
    view->addSubview(centredLabel(frame, "Dismiss All Notifications", settings));
    return view;
}
