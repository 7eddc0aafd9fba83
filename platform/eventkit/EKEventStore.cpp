#include "eventkit/EKEventStore.h"

#include "dispatch/Queue.h"
#include "eventkit/DeviceCalendars.h"
#include "eventkit/EKCalendar.h"
#include "eventkit/EKEvent.h"
#include "eventkit/EKPredicate.h"
#include "eventkit/EKReminder.h"
#include "foundation/NSDate.h"

#include <map>
#include <set>

namespace eventkit {
namespace {

std::shared_ptr<NSObject> newImplementation(Class, SEL)
{
    return std::make_shared<EKEventStore>();
}

std::shared_ptr<EKPredicate> predicate(EKPredicate::Kind kind, const std::shared_ptr<NSDate>& start,
    const std::shared_ptr<NSDate>& end, const contracts::EKEventStore::Calendars& calendars)
{
    if (!start || !end)
        return nullptr;
    std::optional<std::set<std::string>> titles;
    if (calendars) {
        titles.emplace();
        for (auto& calendar : *calendars) {
            if (calendar)
                titles->insert(calendar->title());
        }
    }
    return std::make_shared<EKPredicate>(kind, start->timeIntervalSinceReferenceDate(),
        end->timeIntervalSinceReferenceDate(), std::move(titles));
}

// One object per calendar for the items of one answer, as the device's store shares them.
class Calendars {
public:
    std::shared_ptr<contracts::EKCalendar> named(const std::string& title)
    {
        auto& calendar = m_calendars[title];
        if (!calendar) {
            auto record = DeviceCalendars::calendar(title).value_or(CalendarRecord { title });
            calendar = std::make_shared<EKCalendar>(record);
        }
        return calendar;
    }

private:
    std::map<std::string, std::shared_ptr<contracts::EKCalendar>> m_calendars;
};

} // namespace

std::shared_ptr<NSObject> EKEventStore::predicateForIncompleteRemindersWithDueDateStarting(
    std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars calendars)
{
    return predicate(EKPredicate::Kind::IncompleteReminders, start, end, calendars);
}

std::shared_ptr<NSObject> EKEventStore::predicateForEventsWithStartDate(
    std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars calendars)
{
    return predicate(EKPredicate::Kind::Events, start, end, calendars);
}

void EKEventStore::fetchRemindersMatchingPredicate(
    std::shared_ptr<NSObject> object, std::function<void(Reminders)> completion)
{
    if (!completion)
        return;
    auto asked = objc::cast<EKPredicate>(object);
    dispatch_async(dispatch_get_global_queue(DISPATCH_QUEUE_PRIORITY_DEFAULT, 0),
        [asked = std::move(asked), completion = std::move(completion)] {
            if (!asked || asked->kind() != EKPredicate::Kind::IncompleteReminders) {
                completion(std::nullopt);
                return;
            }
            ::eventkit::Calendars calendars;
            std::vector<std::shared_ptr<contracts::EKReminder>> reminders;
            for (auto& record : DeviceCalendars::incompleteRemindersDue(asked->start(), asked->end())) {
                if (asked->includes(record.calendar))
                    reminders.push_back(
                        std::make_shared<EKReminder>(record, calendars.named(record.calendar)));
            }
            completion(std::move(reminders));
        });
}

std::vector<std::shared_ptr<contracts::EKEvent>> EKEventStore::eventsMatchingPredicate(
    std::shared_ptr<NSObject> object)
{
    auto asked = objc::cast<EKPredicate>(object);
    if (!asked || asked->kind() != EKPredicate::Kind::Events)
        return {};
    ::eventkit::Calendars calendars;
    std::vector<std::shared_ptr<contracts::EKEvent>> events;
    for (auto& record : DeviceCalendars::eventsOverlapping(asked->start(), asked->end())) {
        if (asked->includes(record.calendar))
            events.push_back(std::make_shared<EKEvent>(record, calendars.named(record.calendar)));
    }
    return events;
}

void EKEventStore::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::EKEventStore::new_, &newImplementation);
    objc::Runtime::registerClass(EKCalendar::staticClass());
    objc::Runtime::registerClass(EKCalendarItem::staticClass());
    objc::Runtime::registerClass(EKEvent::staticClass());
    objc::Runtime::registerClass(EKReminder::staticClass());
}

} // namespace eventkit
