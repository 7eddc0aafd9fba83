#pragma once

#include "eventkit/CalendarRecords.h"
#include "eventkit/IcsError.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

class NSCalendar;
class NSTimeZone;

namespace eventkit {

// An iCalendar file's events (VEVENT: DTSTART, DTEND or DURATION, SUMMARY, LOCATION,
// DESCRIPTION, RRULE, EXDATE) and to-dos (VTODO: DUE, STATUS, SUMMARY, LOCATION, DESCRIPTION).
// Times with a time zone keep it; floating times and all-day dates are local times of the time
// zone given when the file is read. Repeating events are expanded over the window asked for,
// in local time, so a daily 09:00 stays at 09:00 across a daylight-saving change. Safe from one
// thread at a time (DeviceCalendars serialises its use).
//
// not implemented: RDATE, RECURRENCE-ID overrides, alarms, attendees; rules that repeat more
// than `maximumRepetitions` times before the end of the window stop there
class IcsCalendar {
public:
    static constexpr std::uintmax_t maximumFileSize = 1 << 20;
    static constexpr int maximumRepetitions = 50000;

    // Throws IcsError naming the file when it cannot be read, is larger than maximumFileSize,
    // or is not a valid iCalendar text.
    static std::shared_ptr<const IcsCalendar> read(
        const std::filesystem::path&, std::shared_ptr<NSTimeZone> floatingTimeZone);
    // The same for a text, named `name` in errors.
    static std::shared_ptr<const IcsCalendar> parse(
        std::string_view text, const std::string& name, std::shared_ptr<NSTimeZone> floatingTimeZone);

    ~IcsCalendar();
    IcsCalendar(const IcsCalendar&) = delete;
    IcsCalendar& operator=(const IcsCalendar&) = delete;

    // The occurrences that begin before the end and end after the start, without a calendar.
    std::vector<EventRecord> occurrences(CFAbsoluteTime start, CFAbsoluteTime end) const;
    const std::vector<ReminderRecord>& reminders() const { return m_reminders; }
    size_t eventCount() const;
    bool hasEventTitled(std::string_view) const;

    // One VEVENT as read; defined with the reader.
    struct Event;

private:
    IcsCalendar();
    void expand(const Event&, CFAbsoluteTime start, CFAbsoluteTime end, std::vector<EventRecord>&) const;

    struct ComponentDeleter {
        void operator()(void*) const;
    };
    std::unique_ptr<void, ComponentDeleter> m_root;
    std::shared_ptr<NSCalendar> m_floatingCalendar;
    std::vector<Event> m_events;
    std::vector<ReminderRecord> m_reminders;
};

} // namespace eventkit
