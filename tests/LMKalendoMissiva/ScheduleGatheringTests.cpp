#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "eventkit/IcsCalendar.h"
#include "foundation/NSTimeZone.h"

#include <gtest/gtest.h>

// Not yet tested here: reminders whose due date is missing (the store leaves them out of a
// dated window).

namespace {

constexpr double minute = 60;
constexpr double hour = 3600;

} // namespace

TEST(ScheduleGathering, TheListHoldingTheNextItemComesFirst)
{
    struct Case {
        const char* name;
        DeviceSchedule schedule;
        Preferences preferences;
        std::vector<std::string> sections;
        const char* nextType;
        int seconds;
        const char* summary;
    };
    const Case cases[] = {
        { "a reminder in 90 s before an event in 10 minutes",
            { .events = { TableScene::event("Review", 10 * minute, hour) },
                .reminders = { TableScene::reminder("Call back", 90) } },
            {}, { "Your next reminder is in 1 minute", "Call back", "Review", "No notifications" },
            "reminder", 90, "Your next reminder is in 1 minute" },
        { "an event under way against a reminder in an hour",
            { .events = { TableScene::event("Stand-up", -5 * minute, 30 * minute) },
                .reminders = { TableScene::reminder("Post the letter", hour) } },
            {}, { "Your next event is now", "Stand-up (active)", "Post the letter", "No notifications" },
            "event", 0, "Your next event is now" },
        { "a tie at 600 s keeps the reminders first",
            { .events = { TableScene::event("Review", 600, hour) },
                .reminders = { TableScene::reminder("Water plants", 600) } },
            {}, { "Your next reminder is in 10 minutes", "Water plants", "Review", "No notifications" },
            "reminder", 600, "Your next reminder is in 10 minutes" },
        { "a blacklist with blanks and mixed case",
            { .calendars = { { "work" }, { "BIRTHDAYS" }, { "Home" } },
                .events = { TableScene::event("Standup", hour, hour, "work"),
                    TableScene::event("Maya", 2 * hour, hour, "BIRTHDAYS"),
                    TableScene::event("Dentist", 3 * hour, hour, "Home") } },
            { { "calendarBlacklist", " Work ,\tBirthdays " } },
            { "Your next event is in 3 hours", "Dentist", "No notifications" }, "event",
            static_cast<int>(3 * hour), "Your next event is in 3 hours" },
        { "the maximum counts only what is shown",
            { .calendars = { { "Hidden" }, { "Work" } },
                .events = { TableScene::event("Secret", hour, hour, "Hidden"),
                    TableScene::event("One", 2 * hour, hour), TableScene::event("Two", 3 * hour, hour),
                    TableScene::event("Three", 4 * hour, hour) } },
            { { "calendarBlacklist", "hidden" }, { "kalendoMaxEvents", "2" } },
            { "Your next event is in 2 hours", "One | Two", "No notifications" }, "event",
            static_cast<int>(2 * hour), "Your next event is in 2 hours" },
        { "an event that ended at the start is left out",
            { .events = { TableScene::event("Breakfast", -hour, hour),
                  TableScene::event("Lunch", 3 * hour, hour) } },
            {}, { "Your next event is in 3 hours", "Lunch", "No notifications" }, "event",
            static_cast<int>(3 * hour), "Your next event is in 3 hours" },
        { "no reminders with a maximum of 0", { .reminders = { TableScene::reminder("Call back", 90) } },
            { { "kalendoMaxReminders", "0" } },
            { "You have nothing scheduled for the next 7 days", "No notifications" }, nullptr, -1,
            "You have nothing scheduled for the next 7 days" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TableScene scene(testCase.schedule, testCase.preferences);
        EXPECT_EQ(scene.sections(), testCase.sections);
        EXPECT_EQ(
            scene.table().nextEventType().value_or("none"), testCase.nextType ? testCase.nextType : "none");
        EXPECT_EQ(scene.table().secondsUntilNextEvent(), testCase.seconds);
        EXPECT_EQ(scene.summary("events"), testCase.summary);
    }
}

TEST(ScheduleGathering, TheTimeUntilTheNextItemIsWordedFromTheClockOfTheDay)
{
    struct Case {
        double clock; // seconds from the day's midnight
        double due;
        const char* summary;
    };
    const Case cases[] = {
        { 9 * hour, 59, "Your next reminder is now" },
        { 9 * hour, 60, "Your next reminder is in 1 minute" },
        { 9 * hour, 3599, "Your next reminder is in 59 minutes" },
        { 9 * hour, 3600, "Your next reminder is in 1 hour" },
        { 9 * hour, 2 * hour + 59 * minute, "Your next reminder is in 2 hours" },
        { 9 * hour, 7200, "Your next reminder is in 2 hours" },
        { 23 * hour + 59 * minute + 30, 90, "Your next reminder is Dec 8" },
        { 23 * hour + 59 * minute + 30, 59, "Your next reminder is now" },
        { 9 * hour, 26 * hour, "Your next reminder is Dec 8" },
    };
    constexpr CFAbsoluteTime midnight = TableScene::start - (9 * hour + 5 * minute + 30);
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.summary);
        springboard::Device device;
        device.startTime = midnight + testCase.clock;
        DeviceSchedule schedule;
        schedule.reminders = { { .title = "Due", .due = device.startTime + testCase.due } };
        TableScene scene(schedule, {}, device);
        EXPECT_EQ(scene.summary("events"), testCase.summary);
    }
}

TEST(ScheduleGathering, TheDayWindowIsBoundedAndWorded)
{
    const std::pair<const char*, const char*> cases[] = {
        { "0", "Nothing scheduled" },
        { "1", "You have nothing scheduled for today" },
        { "2", "You have nothing scheduled for today or tomorrow" },
        { "5", "You have nothing scheduled for the next 5 days" },
        { "-3", "Nothing scheduled" },
        { "25000", "You have nothing scheduled for the next 365 days" },
        { "2147483647", "You have nothing scheduled for the next 365 days" },
    };
    for (auto [days, summary] : cases) {
        SCOPED_TRACE(days);
        TableScene scene({}, { { "kalendoDaysFromNow", days } });
        EXPECT_EQ(scene.summary("events"), summary);
    }

    // The bound is also the window: an event a year and a day away is beyond it.
    DeviceSchedule schedule { .events = { TableScene::event("Next year", 364 * 24 * hour, hour),
                                  TableScene::event("Too far", 366 * 24 * hour, hour) } };
    TableScene scene(schedule, { { "kalendoDaysFromNow", "9999" } });
    EXPECT_EQ(scene.sections(),
        (std::vector<std::string> { "Your next event is Dec 5", "Next year", "No notifications" }));
}

TEST(ScheduleGathering, ARepeatingEventFromACalendarFileIsListedOnEachDayOfTheWindow)
{
    const char* ics
        = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
          "BEGIN:VEVENT\r\nUID:swim@test\r\nDTSTART:20151207T180000Z\r\nDTEND:20151207T190000Z\r\n"
          "RRULE:FREQ=DAILY\r\nSUMMARY:Swim\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    DeviceSchedule schedule;
    schedule.calendars = { { .title = "Sport",
        .file = eventkit::IcsCalendar::parse(ics, "sport.ics", NSTimeZone::timeZoneWithName("UTC")) } };
    TableScene scene(schedule, { { "kalendoDaysFromNow", "3" } });
    EXPECT_EQ(scene.sections(),
        (std::vector<std::string> {
            "Your next event is in 8 hours", "Swim | Swim | Swim", "No notifications" }));
    std::vector<std::string> stamps;
    for (long row = -1; row < 2; ++row) {
        auto view = row < 0 ? scene.header(1) : scene.row(1, row);
        stamps.push_back(TableScene::text(*view, "_timeLabel"));
    }
    EXPECT_EQ(stamps, (std::vector<std::string> { "6:00 pm", "Dec 8", "Dec 9" }));
}
