#include "ScheduleVerbs.h"

#include "Command.h"
#include "ProfileDate.h"

#include "eventkit/DeviceCalendars.h"
#include "foundation/NSTimeZone.h"
#include "orblib/DeviceNotifications.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

using Failure = std::optional<std::string>;

std::optional<std::string> field(const Command& command, std::string_view placeholder)
{
    auto found = command.fields.find(placeholder);
    return found == command.fields.end() ? std::nullopt : std::optional(found->second);
}

CFAbsoluteTime date(const std::string& text, Failure& failure)
{
    auto now = dispatch::RunLoop::main().now();
    auto resolved = ProfileDate::parse(text)->resolve(now, NSTimeZone::defaultTimeZone());
    if (!resolved)
        failure = "\"" + text + "\" is no date in the device's time zone";
    return resolved.value_or(now);
}

Failure removed(size_t count, const char* kind, const std::string& title)
{
    if (count)
        return std::nullopt;
    return std::string("no ") + kind + " \"" + title + "\"";
}

Failure addCalendar(const Command& command)
{
    auto hex = *field(command, "COLOUR");
    auto component = [&](int i) { return std::stoi(hex.substr(1 + 2 * i, 2), nullptr, 16) / 255.0; };
    eventkit::DeviceCalendars::addCalendar({ command.name, component(0), component(1), component(2) });
    return std::nullopt;
}

Failure addEvent(const Command& command)
{
    Failure failure;
    eventkit::EventRecord event { command.name };
    event.start = date(*field(command, "START"), failure);
    event.end = date(*field(command, "END"), failure);
    if (failure)
        return failure;
    if (event.end < event.start)
        return "the event ends before it starts";
    auto calendars = eventkit::DeviceCalendars::calendars();
    if (auto calendar = field(command, "CALENDAR")) {
        if (std::none_of(calendars.begin(), calendars.end(), [&](auto& c) { return c.title == *calendar; }))
            return "no calendar \"" + *calendar + "\"";
        event.calendar = *calendar;
    } else if (calendars.empty()) {
        return std::string("the device has no calendar");
    } else {
        event.calendar = calendars.front().title;
    }
    eventkit::DeviceCalendars::addEvent(std::move(event));
    return std::nullopt;
}

Failure addReminder(const Command& command)
{
    Failure failure;
    eventkit::ReminderRecord reminder { command.name };
    reminder.calendar = std::string(eventkit::DeviceCalendars::defaultReminderList);
    if (auto due = field(command, "DUE"))
        reminder.due = date(*due, failure);
    if (!failure)
        eventkit::DeviceCalendars::addReminder(std::move(reminder));
    return failure;
}

Failure addNotification(const Command& command)
{
    Failure failure;
    orblib::NotificationRecord notification;
    auto app = *field(command, "APP");
    if (app == "none")
        notification.sectionID = "none";
    else
        notification.app = app;
    notification.title = command.name;
    notification.message = field(command, "TEXT");
    auto when = field(command, "DATE");
    notification.date = when ? date(*when, failure) : dispatch::RunLoop::main().now();
    if (!failure)
        orblib::DeviceNotifications::add(std::move(notification));
    return failure;
}

const std::map<std::string_view, std::function<Failure(const Command&)>>& verbs()
{
    static const std::map<std::string_view, std::function<Failure(const Command&)>> table {
        { "calendar add", addCalendar },
        { "calendar remove",
            [](const Command& c) {
                return removed(eventkit::DeviceCalendars::removeCalendar(c.name) ? 1 : 0, "calendar", c.name);
            } },
        { "event add", addEvent },
        { "event remove",
            [](const Command& c) {
                return removed(eventkit::DeviceCalendars::removeEvents(c.name), "event", c.name);
            } },
        { "reminder add", addReminder },
        { "reminder remove",
            [](const Command& c) {
                return removed(eventkit::DeviceCalendars::removeReminders(c.name), "reminder", c.name);
            } },
        { "notification add", addNotification },
        { "notification remove",
            [](const Command& c) {
                return removed(orblib::DeviceNotifications::removeTitled(c.name), "notification", c.name);
            } },
    };
    return table;
}

} // namespace

bool ScheduleVerbs::handles(std::string_view verb)
{
    return verbs().contains(verb);
}

std::optional<std::string> ScheduleVerbs::run(const Command& command)
{
    return verbs().at(command.verb)(command);
}
