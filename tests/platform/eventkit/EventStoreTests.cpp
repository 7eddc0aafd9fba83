// Not yet tested: calendar lists in predicates other than "every calendar".
#include "../foundation/DateFixture.h"

#include "contracts/EKEventStore.h"
#include "eventkit/DeviceCalendars.h"
#include "eventkit/EventKit.h"
#include "eventkit/IcsCalendar.h"
#include "objc/ClassRef.h"
#include "uikit/UIColor.h"

#include <algorithm>
#include <future>
#include <thread>

namespace {

class EventStore : public DateTest {
protected:
    void SetUp() override
    {
        DateTest::SetUp();
        eventkit::registerClasses();
        eventkit::DeviceCalendars::set({ { "Work", 0.2, 0.4, 0.8 } }, {}, {});
    }

    static std::shared_ptr<contracts::EKEventStore> store()
    {
        static objc::ClassRef storeClass { "EKEventStore" };
        return contracts::shared<contracts::EKEventStore>(storeClass, contracts::EKEventStore::new_);
    }

    static std::vector<std::string> titles(const std::vector<std::shared_ptr<contracts::EKEvent>>& events)
    {
        std::vector<std::string> found;
        for (auto& event : events)
            found.push_back(event->title());
        std::sort(found.begin(), found.end());
        return found;
    }

    std::vector<std::string> eventsBetween(CFAbsoluteTime start, CFAbsoluteTime end)
    {
        auto events = store();
        return titles(events->eventsMatchingPredicate(
            events->predicateForEventsWithStartDate(NSDate::dateWithTimeIntervalSinceReferenceDate(start),
                NSDate::dateWithTimeIntervalSinceReferenceDate(end), std::nullopt)));
    }
};

} // namespace

TEST_F(EventStore, ListsEveryEventThatOverlapsTheWindowIncludingOnesUnderWay)
{
    auto now = utc(2015, 12, 7, 9, 5, 30);
    eventkit::DeviceCalendars::set({ { "Work", 0.2, 0.4, 0.8 } },
        {
            { "Under way", "notes", "Room 2", "Work", utc(2015, 12, 7, 9), utc(2015, 12, 7, 9, 30) },
            { "Ended", {}, {}, "Work", utc(2015, 12, 7, 8), utc(2015, 12, 7, 9) },
            { "Later today", {}, {}, "Work", utc(2015, 12, 7, 16), utc(2015, 12, 7, 17) },
            { "Next week", {}, {}, "Work", utc(2015, 12, 14, 9), utc(2015, 12, 14, 10) },
        },
        {});
    EXPECT_EQ(eventsBetween(now, now + 86400), (std::vector<std::string> { "Later today", "Under way" }));
    EXPECT_EQ(eventsBetween(now, now), (std::vector<std::string> { "Under way" })) << "a window of no length";

    auto event = store()->eventsMatchingPredicate(
        store()->predicateForEventsWithStartDate(NSDate::dateWithTimeIntervalSinceReferenceDate(now),
            NSDate::dateWithTimeIntervalSinceReferenceDate(now), std::nullopt))[0];
    static objc::ClassRef eventClass { "EKEvent" };
    EXPECT_EQ(std::dynamic_pointer_cast<NSObject>(event)->objcClass(), eventClass.get());
    EXPECT_EQ(event->startDate()->timeIntervalSinceReferenceDate(), utc(2015, 12, 7, 9));
    EXPECT_EQ(event->endDate()->timeIntervalSinceReferenceDate(), utc(2015, 12, 7, 9, 30));
    EXPECT_EQ(event->notes(), "notes");
    EXPECT_EQ(event->location(), "Room 2");
    EXPECT_EQ(event->calendar()->title(), "Work");
    EXPECT_EQ(event->calendar()->CGColor()->hexString(), UIColor(0.2, 0.4, 0.8, 1).hexString());
}

TEST_F(EventStore, HandsIncompleteRemindersDueInTheWindowToABackgroundThread)
{
    auto now = utc(2015, 12, 7, 9, 5, 30);
    eventkit::DeviceCalendars::set({}, {},
        {
            { "Due soon", {}, {}, "Reminders", now + 90 },
            { "Done", {}, {}, "Reminders", now + 60, true },
            { "Overdue", {}, {}, "Reminders", now - 60 },
            { "Undated", {}, {}, "Reminders", std::nullopt },
            { "Next week", {}, {}, "Reminders", now + 7 * 86400 },
        });
    auto reminders = store();
    auto mainThread = std::this_thread::get_id();
    std::thread::id completionThread;
    contracts::EKEventStore::Reminders found;
    int completions = 0;
    // Holds the worker until the main thread has looked, so the look cannot race the completion.
    std::promise<void> looked;
    std::shared_future<void> mayComplete = looked.get_future().share();
    auto collect = [&](contracts::EKEventStore::Reminders list) {
        mayComplete.wait();
        completionThread = std::this_thread::get_id();
        found = std::move(list);
        ++completions;
    };
    reminders->fetchRemindersMatchingPredicate(
        reminders->predicateForIncompleteRemindersWithDueDateStarting(
            NSDate::dateWithTimeIntervalSinceReferenceDate(now),
            NSDate::dateWithTimeIntervalSinceReferenceDate(now + 86400), std::nullopt),
        collect);
    EXPECT_EQ(completions, 0) << "the fetch returns before its completion runs";
    looked.set_value();
    dispatch::RunLoop::main().runUntilIdle();
    ASSERT_EQ(completions, 1);
    EXPECT_NE(completionThread, mainThread);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->size(), 1u);
    EXPECT_EQ(found->at(0)->title(), "Due soon");
    EXPECT_EQ(found->at(0)->dueDate()->timeIntervalSinceReferenceDate(), now + 90);
    EXPECT_EQ(found->at(0)->calendar()->title(), "Reminders") << "the built-in list";

    reminders->fetchRemindersMatchingPredicate(
        reminders->predicateForEventsWithStartDate(NSDate::date(), NSDate::date(), std::nullopt), collect);
    dispatch::RunLoop::main().runUntilIdle();
    EXPECT_EQ(completions, 2);
    EXPECT_FALSE(found) << "an events predicate finds no list of reminders";
    EXPECT_FALSE(reminders->predicateForEventsWithStartDate(nullptr, NSDate::date(), std::nullopt));
    EXPECT_FALSE(
        reminders->predicateForIncompleteRemindersWithDueDateStarting(NSDate::date(), nullptr, std::nullopt));
}

TEST_F(EventStore, ARemovedEventOrCalendarIsGoneFromLaterAnswers)
{
    auto file = eventkit::IcsCalendar::parse(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\n"
        "DTSTART:20151207T120000Z\r\nDTEND:20151207T130000Z\r\nSUMMARY:Lunch\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n",
        "lunch.ics", NSTimeZone::timeZoneWithName("UTC"));
    eventkit::DeviceCalendars::set({ { "Work" }, { "Home", 0, 1, 0, file } },
        { { "Stand-up", {}, {}, "Work", utc(2015, 12, 7, 10), utc(2015, 12, 7, 11) },
            { "Gym", {}, {}, "Home", utc(2015, 12, 7, 18), utc(2015, 12, 7, 19) } },
        {});
    auto day = utc(2015, 12, 7);
    EXPECT_EQ(eventsBetween(day, day + 86400), (std::vector<std::string> { "Gym", "Lunch", "Stand-up" }));
    EXPECT_EQ(eventkit::DeviceCalendars::removeEvents("Lunch"), 1u);
    EXPECT_EQ(eventkit::DeviceCalendars::removeEvents("Stand-up"), 1u);
    EXPECT_EQ(eventkit::DeviceCalendars::removeEvents("Stand-up"), 0u);
    EXPECT_EQ(eventsBetween(day, day + 86400), (std::vector<std::string> { "Gym" }));
    EXPECT_TRUE(eventkit::DeviceCalendars::removeCalendar("Home"));
    EXPECT_TRUE(eventsBetween(day, day + 86400).empty());
}
