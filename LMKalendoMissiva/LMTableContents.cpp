#include "LMKalendoMissiva/LMTableContents.h"

#include "contracts/OBNotificationRow.h"
#include "contracts/OBNotificationSection.h"
#include "contracts/SBApplication.h"
#include "foundation/NSCalendar.h"
#include "foundation/NSDate.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"
#include "uikit/UIColor.h"

#include <tuple>

namespace {

double seconds(const std::shared_ptr<NSDate>& date)
{
    return date ? date->timeIntervalSince1970() : -1;
}

} // namespace

LMTableContents LMTableContents::of(const LMSchedule& schedule,
    const std::map<std::string, std::vector<std::shared_ptr<contracts::OBNotificationRow>>>& rows,
    const std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>>& sections,
    Surroundings surroundings, std::string eventsSummary, std::string notificationsSummary)
{
    LMTableContents contents;
    contents.hasAnyReminders = schedule.hasAnyReminders;
    contents.hasAnyEvents = schedule.hasAnyEvents;
    for (const auto& [key, list] : schedule.eventData) {
        auto& items = contents.schedule.emplace_back(key, std::vector<Item>()).second;
        for (const auto& event : list) {
            if (!event)
                continue;
            std::optional<std::array<CGFloat, 4>> color;
            if (const auto& c = event->color())
                color = std::array { c->red(), c->green(), c->blue(), c->alpha() };
            items.push_back({ .type = event->type(),
                .title = event->title(),
                .date = seconds(event->date()),
                .color = color,
                .isNow = event->isNow() });
        }
    }
    for (const auto& [key, owner] : sections) {
        auto& section = contents.notifications.emplace_back();
        section.key = key;
        if (!owner)
            continue;
        section.sectionID = owner->sectionID();
        if (auto app = owner->sectionApp()) {
            section.appName = app->displayName();
            section.appIdentifier = app->bundleIdentifier();
        }
        section.icon = owner->sectionIcon();
        auto list = rows.find(key);
        if (list == rows.end())
            continue;
        for (const auto& row : list->second) {
            if (row)
                section.rows.push_back({ .title = row->title(),
                    .message = row->message(),
                    .date = seconds(row->date()),
                    .attachment = row->attachmentImage() });
        }
    }
    contents.surroundings = std::move(surroundings);
    contents.eventsSummary = std::move(eventsSummary);
    contents.notificationsSummary = std::move(notificationsSummary);
    return contents;
}

bool LMTableContents::sameButSummaries(const LMTableContents& other) const
{
    auto sections = [](const LMTableContents& contents) {
        return std::tie(contents.schedule, contents.hasAnyReminders, contents.hasAnyEvents,
            contents.notifications, contents.surroundings);
    };
    return sections(*this) == sections(other);
}

void LMTableContents::addClock(Surroundings& surroundings)
{
    surroundings.startOfToday = seconds(NSCalendar::currentCalendar()->startOfDayForDate(NSDate::date()));
    if (auto zone = NSTimeZone::defaultTimeZone())
        surroundings.timeZone = zone->name();
    if (auto locale = NSLocale::currentLocale())
        surroundings.locale = locale->localeIdentifier();
}
