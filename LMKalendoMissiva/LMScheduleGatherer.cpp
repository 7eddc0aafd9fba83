#include "LMKalendoMissiva/LMScheduleGatherer.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateFormatter.h"
#include "foundation/NSString.h"
#include "objc/Format.h"
#include "settings/LMSettings.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

bool isHorizontalSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string trimmedLowercase(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isHorizontalSpace(text[begin]))
        ++begin;
    while (end > begin && isHorizontalSpace(text[end - 1]))
        --end;
    std::string result(text.substr(begin, end - begin));
    std::transform(result.begin(), result.end(), result.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

NSTimeInterval secondsBetween(const std::shared_ptr<NSDate>& from, const std::shared_ptr<NSDate>& to)
{
    if (!from || !to)
        return 0;
    return to->timeIntervalSinceDate(*from);
}

int wholeSeconds(NSTimeInterval seconds)
{
    return static_cast<int>(std::clamp<double>(std::trunc(seconds), INT32_MIN, INT32_MAX));
}

template <class T> bool byDate(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b, auto date)
{
    auto first = date(*a);
    auto second = date(*b);
    if (!first || !second)
        return !first && second;
    return first->timeIntervalSinceReferenceDate() < second->timeIntervalSinceReferenceDate();
}

} // namespace

int LMScheduleGatherer::boundedDaysFromNow(int days)
{
    return std::clamp(days, minimumDaysFromNow, maximumDaysFromNow);
}

std::string LMScheduleGatherer::normalizedCalendarTitle(std::string_view title)
{
    return trimmedLowercase(title);
}

std::vector<std::string> LMScheduleGatherer::calendarBlacklist(const LMSettings& settings)
{
    auto stored = objc::cast<NSString>(settings.calendarBlacklist());
    std::string_view text = stored ? std::string_view(stored->UTF8String()) : std::string_view();
    std::vector<std::string> names;
    for (;;) {
        size_t comma = text.find(',');
        names.push_back(trimmedLowercase(text.substr(0, comma)));
        if (comma == std::string_view::npos)
            return names;
        text.remove_prefix(comma + 1);
    }
}

std::shared_ptr<NSDate> LMScheduleGatherer::windowEnd(const std::shared_ptr<NSDate>& start, int days)
{
    NSDateComponents offset;
    offset.setDay(boundedDaysFromNow(days));
    return NSCalendar::currentCalendar()->dateByAddingComponents(offset, start);
}

LMSchedule LMScheduleGatherer::gather(const LMSettings& settings, contracts::EKEventStore* store,
    const std::shared_ptr<NSDate>& start, const std::shared_ptr<NSDate>& end,
    contracts::EKEventStore::Reminders reminders)
{
    LMSchedule schedule;
    int sectionCounter = 1;

    if (reminders && !reminders->empty()) {
        std::stable_sort(reminders->begin(), reminders->end(), [](const auto& a, const auto& b) {
            return byDate(a, b, [](contracts::EKReminder& reminder) { return reminder.dueDate(); });
        });
        LMEventList items;
        int maximum = settings.kalendoMaxReminders();
        for (const auto& reminder : *reminders) {
            if (static_cast<int>(items.size()) >= maximum)
                break;
            items.push_back(LMEventItem::initFromCalendarItem(reminder));
        }
        if (!items.empty()) {
            schedule.hasAnyReminders = true;
            schedule.secondsUntilNextEvent = wholeSeconds(secondsBetween(start, items.front()->date()));
            schedule.nextEventType = "reminder";
            schedule.eventData[std::to_string(sectionCounter++)] = std::move(items);
        }
    }

    auto predicate = store ? store->predicateForEventsWithStartDate(start, end, std::nullopt) : nullptr;
    if (!predicate)
        return schedule;
    auto events = store->eventsMatchingPredicate(predicate);
    if (events.empty())
        return schedule;
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
        return byDate(a, b, [](contracts::EKEvent& event) { return event.startDate(); });
    });

    LMEventList items;
    int maximum = settings.kalendoMaxEvents();
    NSTimeInterval now = start->timeIntervalSinceReferenceDate();
    for (const auto& event : events) {
        auto calendar = event->calendar();
        auto blacklist = calendarBlacklist(settings);
        auto title = normalizedCalendarTitle(calendar ? calendar->title() : std::string());
        if (std::find(blacklist.begin(), blacklist.end(), title) != blacklist.end())
            continue;
        auto endDate = event->endDate();
        if (!endDate || now >= endDate->timeIntervalSinceReferenceDate())
            continue;
        if (static_cast<int>(items.size()) >= maximum)
            break;
        auto item = LMEventItem::initFromCalendarItem(event);
        if (item->date() && now > item->date()->timeIntervalSinceReferenceDate())
            item->setIsNow(true);
        items.push_back(std::move(item));
    }
    if (items.empty())
        return schedule;

    schedule.hasAnyEvents = true;
    auto coming = std::find_if(items.begin(), items.end(), [](const auto& item) { return !item->isNow(); });
    int candidate = coming == items.end() ? 0 : wholeSeconds(secondsBetween(start, (*coming)->date()));
    schedule.eventData[std::to_string(sectionCounter++)] = std::move(items);

    if (schedule.secondsUntilNextEvent == -1 || candidate < schedule.secondsUntilNextEvent) {
        schedule.secondsUntilNextEvent = candidate;
        schedule.nextEventType = "event";
        if (schedule.hasAnyReminders)
            std::swap(schedule.eventData["1"], schedule.eventData["2"]);
    }
    return schedule;
}

std::string LMScheduleGatherer::timeUntilNextEvent(int seconds)
{
    int hours = seconds / 3600;
    int rest = seconds - hours * 3600;
    int minutes = rest / 60;

    auto calendar = NSCalendar::currentCalendar();
    auto now = NSDate::date();
    auto parts = calendar->components(NSCalendarUnitYear | NSCalendarUnitMonth | NSCalendarUnitDay
            | NSCalendarUnitHour | NSCalendarUnitMinute | NSCalendarUnitSecond,
        now);
    parts->setHour(parts->hour() + hours);
    parts->setMinute(parts->minute() + minutes);
    auto target = calendar->dateFromComponents(*parts);

    if (calendar->isDateInToday(target)) {
        if (seconds < 3600 && rest < 60)
            return "now";
        if (seconds < 3600)
            return objc::format("in %d %@", minutes, minutes == 1 ? "minute" : "minutes");
        return objc::format("in %d %@", hours, hours == 1 ? "hour" : "hours");
    }
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("MMM d");
    return formatter->stringFromDate(target);
}
