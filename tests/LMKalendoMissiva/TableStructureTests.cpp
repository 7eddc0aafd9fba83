#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "LMKalendoMissiva/LMTableViewRowCell.h"
#include "LMKalendoMissiva/LMTableViewSectionHeaderCell.h"
#include "eventkit/DeviceCalendars.h"
#include "uikit/CAShapeLayer.h"
#include "uikit/UIBezierPath.h"
#include "uikit/UIImage.h"
#include "uikit/UITableView.h"
#include "uikit/UITouchSimulator.h"

#include <gtest/gtest.h>

// Not yet tested here: the dismiss button of a notification section (it comes with section
// dismissal), the footer's tap (it opens the clear-all overlay, which is still empty).

namespace {

using Lines = std::vector<std::string>;
constexpr double hour = 3600;

DeviceSchedule threeAppsElevenNotifications()
{
    DeviceSchedule schedule;
    for (int i = 0; i < 5; ++i)
        schedule.notifications.push_back(
            TableScene::notification("com.apple.MobileSMS", "Anna", "Message " + std::to_string(i), -60 - i));
    for (int i = 0; i < 4; ++i)
        schedule.notifications.push_back(
            TableScene::notification("com.apple.mobilemail", "Inbox", "Mail " + std::to_string(i), -600 - i));
    for (int i = 0; i < 2; ++i)
        schedule.notifications.push_back(
            TableScene::notification("com.apple.weather", "Rain", "Shower " + std::to_string(i), -900 - i));
    return schedule;
}

// Which corners a cell's outline rounds.
std::string outline(const UIView& cell)
{
    auto mask = cell.layer().mask();
    if (!mask || !mask->path() || !mask->path()->roundedRect)
        return "none";
    EXPECT_TRUE(cell.clipsToBounds());
    unsigned long corners = mask->path()->roundedRect->corners & 15;
    switch (corners) {
    case 15:
        return "all";
    case UIRectCornerTopLeft | UIRectCornerTopRight:
        return "top";
    case UIRectCornerBottomLeft | UIRectCornerBottomRight:
        return "bottom";
    default:
        return "other";
    }
}

CGPoint screenCentre(const UIView& view)
{
    return view.convertPointToView(
        CGPointMake(CGRectGetMidX(view.bounds()), CGRectGetMidY(view.bounds())), nullptr);
}

} // namespace

TEST(ScheduleAndNotificationTable, SectionsFollowWhatThereIsAndWhatTheSettingsShow)
{
    DeviceSchedule twoApps;
    twoApps.notifications = { TableScene::notification("com.apple.MobileSMS", "Anna", "Hi", -60),
        TableScene::notification("com.apple.weather", "Rain", "Soon", -120) };
    DeviceSchedule both;
    both.events = { TableScene::event("Review", hour, hour) };
    both.reminders = { TableScene::reminder("Call back", 2 * hour), TableScene::reminder("Post", 3 * hour) };
    both.notifications = twoApps.notifications;

    struct Case {
        const char* name;
        const DeviceSchedule& schedule;
        Preferences preferences;
        Lines sections;
        int eventsHeader, notificationsHeader, footer;
    };
    const Case cases[] = {
        { "nothing scheduled, its line off, two apps and the footer", twoApps,
            { { "nothingScheduledLabelEnabled", "NO" }, { "dismissAllNotificationsButtonEnabled", "YES" } },
            { "You have 2 notifications", "Messages | Anna - Hi", "Weather | Rain - Soon",
                "Dismiss All Notifications" },
            999, 0, 3 },
        { "a reminder list and an event list, notifications off", both, { { "missivaEnabled", "NO" } },
            { "Your next event is in 1 hour", "Review", "Call back | Post" }, 0, 999, 999 },
        { "both halves", both, {},
            { "Your next event is in 1 hour", "Review", "Call back | Post", "You have 2 notifications",
                "Messages | Anna - Hi", "Weather | Rain - Soon" },
            0, 3, 999 },
        { "the schedule off", both, { { "kalendoEnabled", "NO" } },
            { "You have 2 notifications", "Messages | Anna - Hi", "Weather | Rain - Soon" }, 999, 0, 999 },
        { "nothing at all, both empty lines off", {},
            { { "nothingScheduledLabelEnabled", "NO" }, { "noNotificationsLabelEnabled", "NO" } }, {}, 999, 0,
            999 },
        { "nothing at all", {}, {}, { "You have nothing scheduled for the next 7 days", "No notifications" },
            0, 1, 999 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TableScene scene(testCase.schedule, testCase.preferences);
        EXPECT_EQ(scene.sections(), testCase.sections);
        auto& table = scene.table();
        EXPECT_EQ(table.sectionForEventsHeader(), testCase.eventsHeader);
        EXPECT_EQ(table.sectionForNotificationsHeader(), testCase.notificationsHeader);
        EXPECT_EQ(table.sectionForNotificationsFooter(), testCase.footer);
    }
}

TEST(ScheduleAndNotificationTable, TheNotificationSummaryCountsEveryNotification)
{
    DeviceSchedule one;
    one.notifications = { TableScene::notification("com.apple.MobileSMS", "Anna", "Hi") };
    const std::pair<DeviceSchedule, const char*> cases[] = {
        { {}, "No notifications" },
        { one, "You have 1 notification" },
        { threeAppsElevenNotifications(), "You have 11 notifications" },
    };
    for (const auto& [schedule, summary] : cases) {
        SCOPED_TRACE(summary);
        TableScene scene(schedule);
        EXPECT_EQ(scene.summary("notifications"), summary);
    }
    TableScene scene(threeAppsElevenNotifications(), { { "hasNotificationsLabelEnabled", "NO" } });
    EXPECT_EQ(scene.summary("notifications"), "");
}

TEST(ScheduleAndNotificationTable, ASectionShowsItsFirstItemInTheHeaderAndCollapsesToItsCount)
{
    DeviceSchedule schedule;
    schedule.events = { TableScene::event("One", hour, hour), TableScene::event("Two", 2 * hour, hour),
        TableScene::event("Three", 3 * hour, hour) };
    schedule.reminders = { TableScene::reminder("Only", 5 * hour) };
    TableScene scene(schedule, { { "missivaEnabled", "NO" } });
    EXPECT_EQ(scene.sections(), (Lines { "Your next event is in 1 hour", "One | Two | Three", "Only" }));
    EXPECT_EQ(outline(*scene.header(1)), "top");
    EXPECT_EQ(outline(*scene.row(1, 0)), "none");
    EXPECT_EQ(outline(*scene.row(1, 1)), "bottom");
    EXPECT_EQ(outline(*scene.header(2)), "all");

    UITouchSimulator().doubleTap(screenCentre(*scene.header(1)));
    scene.scene().advance(0.5);
    EXPECT_EQ(scene.sections(), (Lines { "Your next event is in 1 hour", "(2) One", "Only" }));
    EXPECT_EQ(outline(*scene.header(1)), "all");

    // A collapsed list of one item shows no count.
    scene.table().changeCollapseStateOfSectionWithIdentifier("reminder");
    EXPECT_EQ(scene.sections(), (Lines { "Your next event is in 1 hour", "(2) One", "Only" }));
}

TEST(ScheduleAndNotificationTable, CollapsingFollowsTheItemTypeWhenAListChangesPlace)
{
    DeviceSchedule schedule;
    schedule.events
        = { TableScene::event("Review", 20 * 60, hour), TableScene::event("Retro", 2 * hour, hour) };
    schedule.reminders = { TableScene::reminder("Call back", 5 * 60) };
    TableScene scene(schedule, { { "missivaEnabled", "NO" } });
    EXPECT_EQ(
        scene.sections(), (Lines { "Your next reminder is in 5 minutes", "Call back", "Review | Retro" }));

    scene.scene().longPress("_eventSectionHeader");
    scene.scene().advance(0.5);
    EXPECT_EQ(scene.sections(), (Lines { "Your next reminder is in 5 minutes", "Call back", "(1) Review" }));

    // The reminder is done; the events move up to section 1 and stay collapsed.
    eventkit::DeviceCalendars::removeReminders("Call back");
    scene.reload();
    EXPECT_EQ(scene.sections(), (Lines { "Your next event is in 19 minutes", "(1) Review" }));
    auto header = objc::cast<LMTableViewSectionHeaderCell>(scene.header(1));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->section(), 1);
    EXPECT_EQ(header->identifier(), "event");

    // A notification section collapses by a single tap, per app.
    TableScene notifications(threeAppsElevenNotifications());
    notifications.scene().tap(*notifications.header(3));
    notifications.scene().advance(0.5);
    EXPECT_EQ(notifications.sections()[3], "(4) Mail");
    EXPECT_EQ(notifications.table().numberOfRowsInSection(nullptr, 3), 0);
    EXPECT_EQ(notifications.sections()[2].substr(0, 10), "Messages |");
}
