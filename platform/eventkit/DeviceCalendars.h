#pragma once

#include "eventkit/CalendarRecords.h"

#include <string_view>
#include <vector>

namespace eventkit {

// The device's calendar database: calendars, events and reminders. It belongs to the device:
// whoever sets the device up fills it, a restarted host sees the same, and any thread may use
// it. Events and reminders name their calendar by title; a reminder whose list is not among the
// calendars belongs to the built-in list "Reminders". A device starts with none.
class DeviceCalendars {
public:
    static constexpr std::string_view defaultReminderList = "Reminders";

    static void set(std::vector<CalendarRecord>, std::vector<EventRecord>, std::vector<ReminderRecord>);
    static std::vector<CalendarRecord> calendars();
    // The calendar of this title, or the built-in reminder list for its name, or nothing.
    static std::optional<CalendarRecord> calendar(std::string_view title);

    // A calendar of a title already there replaces it.
    static void addCalendar(CalendarRecord);
    // Its events and reminders go with it. False when there was none of that title.
    static bool removeCalendar(std::string_view title);
    static void addEvent(EventRecord);
    static void addReminder(ReminderRecord);
    // Remove every event (reminder) of that title, including those of files; the number removed.
    static size_t removeEvents(std::string_view title);
    static size_t removeReminders(std::string_view title);

    // Every event occurrence that overlaps [start, end): it begins before the end and ends after
    // the start. Repeating events of files are expanded over the window.
    static std::vector<EventRecord> eventsOverlapping(CFAbsoluteTime start, CFAbsoluteTime end);
    // Reminders not completed, due from start to end, both included.
    static std::vector<ReminderRecord> incompleteRemindersDue(CFAbsoluteTime start, CFAbsoluteTime end);
};

} // namespace eventkit
