#pragma once

#include <optional>
#include <string>
#include <string_view>

struct Command;

// The script verbs that change the device's calendar database and notifications while it runs
// (calendar, event, reminder, notification: add and remove). Dates are relative to the moment
// the command runs, in the device's time zone.
class ScheduleVerbs {
public:
    static bool handles(std::string_view verb);
    // Nothing when done; otherwise why not ("no event \"Lunch\"").
    static std::optional<std::string> run(const Command&);
};
