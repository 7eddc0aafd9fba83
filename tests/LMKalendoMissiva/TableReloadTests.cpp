#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "contracts/SBApplication.h"
#include "launcher/LMAppLauncherAppIconImageView.h"
#include "orblib/DeviceLaunchLog.h"
#include "settings/LMSettings.h"
#include "springboard/PasscodePrompt.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIView.h"
#include "uikit/ViewFinder.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

DeviceSchedule elevenNotifications()
{
    DeviceSchedule schedule;
    for (int i = 0; i < 11; ++i)
        schedule.notifications.push_back(
            TableScene::notification(i < 6 ? "com.apple.MobileSMS" : "com.apple.weather", "N", "n", -60 - i));
    return schedule;
}

bool promptIsUp()
{
    auto alerts = UIAlertView::visibleAlerts();
    return !alerts.empty() && alerts.back()->title() == springboard::PasscodePrompt::title;
}

std::shared_ptr<UIView> launcherIcon(const UIView& view, const std::string& identifier)
{
    if (auto icon = dynamic_cast<const LMAppLauncherAppIconImageView*>(&view);
        icon && icon->app()->bundleIdentifier() == identifier)
        return objc::retain(const_cast<UIView*>(&view));
    for (auto& child : view.subviews()) {
        if (auto found = launcherIcon(*child, identifier))
            return found;
    }
    return nullptr;
}

} // namespace

TEST(TableReload, AForcedReloadReplacesTheOneInFlight)
{
    TableScene scene(elevenNotifications());
    auto& table = scene.table();

    table.reloadTableViewData();
    EXPECT_TRUE(table.isCurrentlyReloadingData());
    table.reloadTableViewData(); // dropped: one reload at a time
    table.forceReloadTableViewData();
    EXPECT_TRUE(table.isCurrentlyReloadingData());
    dispatch::RunLoop::main().runUntilIdle();

    EXPECT_FALSE(table.isCurrentlyReloadingData());
    EXPECT_EQ(table.notificationCount(), 11);
    EXPECT_EQ(scene.summary("notifications"), "You have 11 notifications");
    EXPECT_EQ(scene.sections().size(), 4u);

    // The panel's next reload is not blocked by the dropped gathering.
    orblib::DeviceNotifications::add(TableScene::notification("com.apple.weather", "Late", "one more", -1));
    scene.scene().advance(10);
    EXPECT_EQ(scene.summary("notifications"), "You have 12 notifications");
}

// The panel reloads every ten seconds; the table builds views only for what changed.
TEST(TableReload, AReloadBuildsOnlyWhatChanged)
{
    DeviceSchedule schedule;
    schedule.events = { TableScene::event("Standup", 600, 900), TableScene::event("Lunch", 3 * 3600, 3600) };
    schedule.notifications = { TableScene::notification("com.apple.MobileSMS", "Anna", "Hi") };
    // The display stays lit, so the panel's timer keeps reloading.
    TableScene scene(schedule, { { "idleTimerDuration", "1000" } });
    auto& table = scene.table();
    auto events = table.sectionForEventsHeader();
    auto notifications = table.sectionForNotificationsHeader();
    auto eventsLine = scene.header(events);
    auto messages = scene.header(notifications + 1);
    auto lunch = scene.row(events + 1, 0);
    ASSERT_TRUE(eventsLine && messages && lunch);
    EXPECT_EQ(scene.summary("events"), "Your next event is in 10 minutes");

    // Nothing new: the same views.
    scene.reload();
    EXPECT_EQ(scene.header(events), eventsLine);
    EXPECT_EQ(scene.header(notifications + 1), messages);

    // A minute on, only the countdown's line is built again.
    scene.scene().advance(60);
    EXPECT_EQ(scene.summary("events"), "Your next event is in 9 minutes");
    EXPECT_NE(scene.header(events), eventsLine);
    EXPECT_EQ(TableScene::text(*scene.header(events), "_summaryLabel"), "Your next event is in 9 minutes");
    EXPECT_EQ(scene.header(notifications + 1), messages);
    EXPECT_EQ(scene.row(events + 1, 0), lunch);

    // A notification arriving, or a setting read anew, builds the table again.
    orblib::DeviceNotifications::add(TableScene::notification("com.apple.MobileSMS", "Ben", "Yo", 59));
    scene.scene().advance(10);
    EXPECT_NE(scene.header(notifications + 1), messages);
    EXPECT_EQ(TableScene::text(*scene.row(notifications + 1, 0)), "Ben - Yo");
    lunch = scene.row(events + 1, 0);
    LMSettings::sharedInstance()->reload();
    scene.reload();
    EXPECT_NE(scene.row(events + 1, 0), lunch);
}

TEST(TableReload, NotificationsStillLoadWhenTheCalendarStoreCannotBeAsked)
{
    springboard::Device device;
    device.missingClasses = { "EKEventStore" };
    DeviceSchedule schedule = elevenNotifications();
    schedule.events = { TableScene::event("Hidden", 600, 600) };
    TableScene scene(schedule, {}, device);
    EXPECT_TRUE(scene.table().hasLoadedDataAtLeastOnce());
    auto sections = scene.sections();
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(sections[0], "You have nothing scheduled for the next 7 days");
    EXPECT_EQ(sections[1], "You have 11 notifications");
}

// Every path that opens an app asks for the unlock exactly when the device is locked, and the
// app opens once the user unlocks.
TEST(OpeningAppsFromTheTable, UnlockIsAskedExactlyWhenTheDeviceIsLocked)
{
    struct Place {
        const char* name;
        const char* location;
        bool locked;
    };
    const Place places[] = {
        { "lock screen", "1", true },
        { "Today page over the lock screen", "2", true },
        { "Today page of an unlocked device", "2", false },
    };
    for (const char* path : { "notification row", "launcher icon" }) {
        for (const auto& place : places) {
            for (bool passcode : { false, true }) {
                SCOPED_TRACE(testing::Message() << path << ", " << place.name << ", passcode " << passcode);
                springboard::Device device;
                device.locked = place.locked;
                device.hasPasscode = passcode;
                DeviceSchedule schedule;
                schedule.notifications
                    = { TableScene::notification("com.apple.mobilesafari", "Page", "Loaded") };
                TableScene scene(
                    schedule, { { "location", place.location }, { "missivaOverlayEnabled", "NO" } }, device);
                orblib::DeviceLaunchLog::clear();

                if (std::string(path) == "notification row") {
                    scene.scene().tap(*scene.row(scene.table().sectionForNotificationsHeader() + 1, 0));
                } else {
                    auto icon
                        = launcherIcon(*scene.scene().view("_appLauncherView"), "com.apple.mobilesafari");
                    ASSERT_TRUE(icon);
                    scene.scene().tap(*icon);
                }
                scene.scene().advance(0.1);
                EXPECT_EQ(promptIsUp(), place.locked && passcode);
                if (promptIsUp()) {
                    EXPECT_TRUE(scene.scene().pressAlertButton("Unlock"));
                }

                auto launches = orblib::DeviceLaunchLog::launches();
                ASSERT_EQ(launches.size(), 1u);
                EXPECT_EQ(launches[0].target, "com.apple.mobilesafari");
                EXPECT_EQ(launches[0].unlockAsked, place.locked);
                EXPECT_TRUE(launches[0].opened);
            }
        }
    }
}
