#include "eventkit/DeviceCalendars.h"

#include "eventkit/IcsCalendar.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace eventkit {
namespace {

struct Database {
    std::mutex mutex;
    std::vector<CalendarRecord> calendars;
    std::vector<EventRecord> events;
    std::vector<ReminderRecord> reminders;
    // Titles removed from the files' events and reminders, which the files themselves keep.
    std::set<std::string, std::less<>> removedFileEvents;
    std::set<std::string, std::less<>> removedFileReminders;
};

Database& database()
{
    static Database instance;
    return instance;
}

// An orange list, as a fresh device's.
CalendarRecord builtInReminderList()
{
    return { std::string(DeviceCalendars::defaultReminderList), 1.0, 0.58, 0.0, nullptr };
}

std::optional<CalendarRecord> calendarLocked(const Database& data, std::string_view title)
{
    for (auto& calendar : data.calendars) {
        if (calendar.title == title)
            return calendar;
    }
    if (title == DeviceCalendars::defaultReminderList)
        return builtInReminderList();
    return std::nullopt;
}

template <class Record> size_t eraseTitled(std::vector<Record>& records, std::string_view title)
{
    return std::erase_if(records, [&](auto& record) { return record.title == title; });
}

} // namespace

void DeviceCalendars::set(std::vector<CalendarRecord> calendars, std::vector<EventRecord> events,
    std::vector<ReminderRecord> reminders)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    data.calendars = std::move(calendars);
    data.events = std::move(events);
    data.reminders = std::move(reminders);
    data.removedFileEvents.clear();
    data.removedFileReminders.clear();
}

std::vector<CalendarRecord> DeviceCalendars::calendars()
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    return data.calendars;
}

std::optional<CalendarRecord> DeviceCalendars::calendar(std::string_view title)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    return calendarLocked(data, title);
}

void DeviceCalendars::addCalendar(CalendarRecord calendar)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    eraseTitled(data.calendars, calendar.title);
    data.calendars.push_back(std::move(calendar));
}

bool DeviceCalendars::removeCalendar(std::string_view title)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    if (!eraseTitled(data.calendars, title))
        return false;
    std::erase_if(data.events, [&](auto& event) { return event.calendar == title; });
    std::erase_if(data.reminders, [&](auto& reminder) { return reminder.calendar == title; });
    return true;
}

void DeviceCalendars::addEvent(EventRecord event)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    data.removedFileEvents.erase(event.title);
    data.events.push_back(std::move(event));
}

void DeviceCalendars::addReminder(ReminderRecord reminder)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    data.removedFileReminders.erase(reminder.title);
    data.reminders.push_back(std::move(reminder));
}

size_t DeviceCalendars::removeEvents(std::string_view title)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    size_t removed = eraseTitled(data.events, title);
    for (auto& calendar : data.calendars) {
        if (calendar.file && !data.removedFileEvents.contains(title)
            && calendar.file->hasEventTitled(title)) {
            data.removedFileEvents.emplace(title);
            ++removed;
        }
    }
    return removed;
}

size_t DeviceCalendars::removeReminders(std::string_view title)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    size_t removed = eraseTitled(data.reminders, title);
    for (auto& calendar : data.calendars) {
        if (!calendar.file || data.removedFileReminders.contains(title))
            continue;
        for (auto& reminder : calendar.file->reminders()) {
            if (reminder.title == title) {
                data.removedFileReminders.emplace(title);
                ++removed;
                break;
            }
        }
    }
    return removed;
}

std::vector<EventRecord> DeviceCalendars::eventsOverlapping(CFAbsoluteTime start, CFAbsoluteTime end)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    std::vector<EventRecord> found;
    auto overlaps = [&](const EventRecord& event) { return event.start < end && event.end > start; };
    std::copy_if(data.events.begin(), data.events.end(), std::back_inserter(found), overlaps);
    for (auto& calendar : data.calendars) {
        if (!calendar.file)
            continue;
        for (auto& occurrence : calendar.file->occurrences(start, end)) {
            if (data.removedFileEvents.contains(occurrence.title) || !overlaps(occurrence))
                continue;
            occurrence.calendar = calendar.title;
            found.push_back(std::move(occurrence));
        }
    }
    return found;
}

std::vector<ReminderRecord> DeviceCalendars::incompleteRemindersDue(CFAbsoluteTime start, CFAbsoluteTime end)
{
    auto& data = database();
    std::lock_guard lock(data.mutex);
    std::vector<ReminderRecord> found;
    auto wanted = [&](const ReminderRecord& reminder) {
        return !reminder.completed && reminder.due && *reminder.due >= start && *reminder.due <= end;
    };
    std::copy_if(data.reminders.begin(), data.reminders.end(), std::back_inserter(found), wanted);
    for (auto& calendar : data.calendars) {
        if (!calendar.file)
            continue;
        for (auto reminder : calendar.file->reminders()) {
            if (data.removedFileReminders.contains(reminder.title) || !wanted(reminder))
                continue;
            reminder.calendar = calendar.title;
            found.push_back(std::move(reminder));
        }
    }
    return found;
}

} // namespace eventkit
