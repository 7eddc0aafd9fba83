#include "ScheduleProfile.h"

#include "DeviceProfile.h"
#include "InputError.h"
#include "ProfileDate.h"
#include "ProfilePicture.h"
#include "ProfileReader.h"

#include "eventkit/DeviceCalendars.h"
#include "eventkit/IcsCalendar.h"
#include "foundation/NSTimeZone.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr CGSize attachmentSize { 400, 300 };

struct Context {
    const std::string& folder;
    DeviceProfile& profile;
    std::shared_ptr<NSTimeZone> zone;

    CFAbsoluteTime date(const ProfileReader& reader) const
    {
        auto parsed = ProfileDate::parse(reader.text());
        auto resolved = parsed ? parsed->resolve(profile.device.startTime, zone) : std::nullopt;
        if (!resolved)
            reader.fail(std::string(ProfileDate::expected));
        return *resolved;
    }

    std::optional<std::string> optionalText(const ProfileReader& reader) const
    {
        return reader.isNull() ? std::nullopt : std::optional(reader.text());
    }

    std::string calendarOf(const ProfileReader& entry) const
    {
        auto& calendars = profile.calendars;
        if (!entry.has("calendar") || entry["calendar"].isNull()) {
            if (calendars.empty())
                entry["calendar"].fail("a calendar's title (the profile has no calendars)");
            return calendars.front().title;
        }
        auto title = entry["calendar"].text();
        if (std::none_of(
                calendars.begin(), calendars.end(), [&](auto& calendar) { return calendar.title == title; }))
            entry["calendar"].fail("the title of one of the profile's calendars");
        return title;
    }
};

eventkit::CalendarRecord calendar(const ProfileReader& entry, const Context& context)
{
    entry.expectKeys({ "title", "colour", "file" });
    eventkit::CalendarRecord calendar;
    calendar.title = entry["title"].text();
    auto colour = entry["colour"].colour();
    calendar.red = colour[0] / 255.0;
    calendar.green = colour[1] / 255.0;
    calendar.blue = colour[2] / 255.0;
    if (auto file = entry["file"]; !file.isNull()) {
        auto path = std::filesystem::path(context.folder) / file.text();
        try {
            calendar.file = eventkit::IcsCalendar::read(path, context.zone);
        } catch (const eventkit::IcsError& error) {
            file.failWith(error.what());
        }
    }
    return calendar;
}

eventkit::EventRecord event(const ProfileReader& entry, const Context& context)
{
    entry.expectKeys({ "title", "start", "end", "calendar", "location", "notes" });
    eventkit::EventRecord event;
    event.title = entry["title"].text();
    event.start = context.date(entry["start"]);
    event.end = context.date(entry["end"]);
    if (event.end < event.start)
        entry["end"].fail("a date not before the start");
    event.calendar = context.calendarOf(entry);
    event.location = context.optionalText(entry["location"]);
    event.notes = context.optionalText(entry["notes"]);
    return event;
}

eventkit::ReminderRecord reminder(const ProfileReader& entry, const Context& context)
{
    entry.expectKeys({ "title", "due", "notes", "completed" });
    eventkit::ReminderRecord reminder;
    reminder.title = entry["title"].text();
    if (!entry["due"].isNull())
        reminder.due = context.date(entry["due"]);
    reminder.notes = context.optionalText(entry["notes"]);
    reminder.calendar = std::string(eventkit::DeviceCalendars::defaultReminderList);
    reminder.completed = entry.has("completed") && entry["completed"].flag();
    return reminder;
}

orblib::NotificationRecord notification(const ProfileReader& entry, const Context& context)
{
    entry.expectKeys(
        { "app", "section", "title", "subtitle", "message", "date", "attachment", "launchURL", "actions" });
    orblib::NotificationRecord notification;
    if (!entry["app"].isNull())
        notification.app = entry["app"].text();
    if (!entry["section"].isNull())
        notification.sectionID = entry["section"].text();
    if (notification.app.empty() && notification.sectionID.empty())
        entry["section"].fail("a section identifier for a notification without an app");
    notification.title = context.optionalText(entry["title"]);
    notification.subtitle = context.optionalText(entry["subtitle"]);
    notification.message = context.optionalText(entry["message"]);
    notification.date = entry.has("date") ? context.date(entry["date"]) : context.profile.device.startTime;
    if (auto attachment = entry["attachment"]; !attachment.isNull())
        notification.attachment = ProfilePicture::read(attachment, context.folder).image(attachmentSize, 1);
    notification.launchURL = context.optionalText(entry["launchURL"]);
    if (entry.has("actions"))
        for (auto& action : entry["actions"].items())
            notification.actions.push_back(action.text());
    return notification;
}

} // namespace

void ScheduleProfile::read(const ProfileReader& reader, const std::string& folder, DeviceProfile& profile)
{
    Context context { folder, profile, NSTimeZone::timeZoneWithName(profile.device.timeZone) };
    for (auto& entry : reader["calendars"].items()) {
        auto record = calendar(entry, context);
        if (std::any_of(profile.calendars.begin(), profile.calendars.end(),
                [&](auto& other) { return other.title == record.title; }))
            entry["title"].fail("a title no other calendar has");
        profile.calendars.push_back(std::move(record));
    }
    for (auto& entry : reader["events"].items())
        profile.events.push_back(event(entry, context));
    for (auto& entry : reader["reminders"].items())
        profile.reminders.push_back(reminder(entry, context));
    for (auto& entry : reader["notifications"].items())
        profile.notifications.push_back(notification(entry, context));
}
