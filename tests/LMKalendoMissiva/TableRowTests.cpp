#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "objc/Runtime.h"
#include "objc/Selector.h"
#include "objc/Substrate.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"
#include "uikit/UITableViewCell.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
constexpr double hour = 3600;

DeviceSchedule underWayAndTomorrow()
{
    DeviceSchedule schedule;
    schedule.events = { TableScene::event("Stand-up", -5 * 60, 30 * 60),
        TableScene::event("Dentist", 24 * hour, hour, "Home") };
    schedule.reminders = { TableScene::reminder("Call back", -(5 * 60 + 30) + 0.5 * hour) };
    schedule.notifications = { TableScene::notification("com.apple.MobileSMS", "Anna", "On my way") };
    return schedule;
}

std::string timeStamps(TableScene& scene)
{
    return TableScene::text(*scene.header(1), "_timeLabel") + " / "
        + TableScene::text(*scene.header(2), "_timeLabel") + " / "
        + TableScene::text(*scene.row(2, 0), "_timeLabel");
}

int s_mergedColorCalls = 0;
objc::IMP<std::shared_ptr<UIColor>> s_mergedColor;
std::shared_ptr<UIColor> countedMergedColor(id self, SEL cmd)
{
    ++s_mergedColorCalls;
    return s_mergedColor(self, cmd);
}

} // namespace

TEST(ScheduleAndNotificationRows, PrivacyModeHidesTitlesButNotTimes)
{
    TableScene plain(underWayAndTomorrow());
    EXPECT_EQ(plain.sections(),
        (Lines { "Your next reminder is in 24 minutes", "Call back", "Stand-up (active) | Dentist",
            "You have 1 notification", "Messages | Anna - On my way" }));

    TableScene privacy(underWayAndTomorrow(),
        { { "kalendoPrivacyModeEnabled", "YES" }, { "missivaPrivacyModeEnabled", "YES" } });
    EXPECT_EQ(privacy.sections(),
        (Lines { "Your next reminder is in 24 minutes", "reminder", "event | event",
            "You have 1 notification", "Messages | notification" }));
    EXPECT_EQ(timeStamps(privacy), timeStamps(plain));
}

TEST(ScheduleAndNotificationRows, TimeStampsReadAsTheClockIsSetAndDaysAsDates)
{
    // Call back at 09:30 today, Stand-up at 09:00:30 today, Dentist tomorrow.
    TableScene twelveHour(underWayAndTomorrow());
    EXPECT_EQ(timeStamps(twelveHour), "9:30 am / 9:00 am / Dec 8");
    TableScene military(underWayAndTomorrow(), { { "militaryTime", "YES" } });
    EXPECT_EQ(timeStamps(military), "09:30 / 09:00 / Dec 8");
    EXPECT_EQ(TableScene::text(*military.row(4, 0), "_timeLabel"), "09:04");
}

TEST(ScheduleAndNotificationRows, ANotificationReadsTitleImageAndMessage)
{
    DeviceSchedule schedule;
    schedule.notifications = { { .app = "com.apple.MobileSMS",
                                   .title = "Anna",
                                   .date = TableScene::start - 60,
                                   .attachment = UIImage::imageWithBitmap(Bitmap(4, 4)) },
        { .app = "com.apple.MobileSMS", .message = "Just text", .date = TableScene::start - 120 } };
    TableScene scene(schedule);
    EXPECT_EQ(scene.sections()[2], "Messages | Anna - *has image* no message | Just text");
}

TEST(ScheduleAndNotificationRows, AutomaticColoursAreWorkedOutOncePerIdentifier)
{
    DeviceSchedule schedule = underWayAndTomorrow();
    schedule.notifications.push_back(TableScene::notification("com.apple.MobileSMS", "Sam", "Lunch?", -120));
    TableScene scene(schedule);
    MSHookMessageEx(UIImage::imageWithBitmap(Bitmap(1, 1))->objcClass(), sel_registerName("mergedColor"),
        &countedMergedColor, &s_mergedColor);

    auto& cache = scene.table().sectionsColorData();
    EXPECT_EQ(cache.size(), 3u); // event, reminder, com.apple.MobileSMS
    auto eventColour = cache.at("event");
    for (int i = 0; i < 3; ++i)
        scene.reload();
    EXPECT_EQ(s_mergedColorCalls, 0);
    orblib::DeviceNotifications::add(TableScene::notification("com.apple.weather", "Rain", "Soon", -30));
    scene.reload();
    scene.reload();
    EXPECT_EQ(s_mergedColorCalls, 1);
    EXPECT_EQ(scene.table().sectionsColorData().at("event"), eventColour);
    auto header = objc::cast<UITableViewCell>(scene.header(2));
    ASSERT_TRUE(header);
    auto background = header->backgroundView();
    ASSERT_TRUE(background);
    EXPECT_EQ(background->backgroundColor(), eventColour);
    EXPECT_DOUBLE_EQ(background->alpha(), static_cast<double>(0.1f));

    TableScene plain(
        schedule, { { "autoColorEventSectionEnabled", "NO" }, { "kalendoStrongerColorEnabled", "YES" } });
    auto row = objc::cast<UITableViewCell>(plain.row(2, 0));
    EXPECT_TRUE(row->backgroundView()->backgroundColor()->isEqual(*UIColor::blackColor()));
    EXPECT_DOUBLE_EQ(row->backgroundView()->alpha(), static_cast<double>(0.3f));
    EXPECT_EQ(plain.table().sectionsColorData().count("event"), 0u);
}

TEST(ScheduleAndNotificationRows, NotificationsWithoutAnAppShowOneWarningByTheSystemVersion)
{
    DeviceSchedule schedule;
    schedule.notifications = {
        { .app = "", .sectionID = "first", .title = "A", .message = "a", .date = TableScene::start - 60 },
        { .app = "", .sectionID = "second", .title = "B", .message = "b", .date = TableScene::start - 120 }
    };
    const std::pair<const char*, const char*> cases[] = {
        { "9.3", "Please enable group by app in settings->notifications to view your notifications" },
        { "8.4", "Please enable sort manually in settings->notifications to view your notifications" },
        { "10.0", "" },
    };
    for (auto [version, warning] : cases) {
        SCOPED_TRACE(version);
        springboard::Device device;
        device.systemVersion = version;
        TableScene scene(schedule, {}, device);
        auto sections = scene.sections();
        ASSERT_EQ(sections.size(), 4u);
        EXPECT_EQ(sections[1], "You have 2 notifications");
        EXPECT_EQ(sections[2], *warning ? std::string(warning) : "[_warningView]");
        EXPECT_EQ(sections[3], "");
    }
}
