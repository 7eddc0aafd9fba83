#pragma once

#include "dispatch/RunLoop.h"

#include <memory>
#include <optional>
#include <string>

namespace eventkit {

class IcsCalendar;

// What the device's calendar database holds, as plain values.
struct CalendarRecord {
    std::string title;
    // Components from 0 to 1.
    double red { 0.5 };
    double green { 0.5 };
    double blue { 0.5 };
    // The calendar's events and reminders also come from this file.
    std::shared_ptr<const IcsCalendar> file {};
};

// One event, or one occurrence of a repeating one.
struct EventRecord {
    std::string title;
    std::optional<std::string> notes {};
    std::optional<std::string> location {};
    // The title of its calendar.
    std::string calendar {};
    CFAbsoluteTime start { 0 };
    CFAbsoluteTime end { 0 };
};

struct ReminderRecord {
    std::string title;
    std::optional<std::string> notes {};
    std::optional<std::string> location {};
    std::string calendar {};
    std::optional<CFAbsoluteTime> due {};
    bool completed { false };
};

} // namespace eventkit
