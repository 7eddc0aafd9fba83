#include "ProfileDate.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateComponents.h"

#include <array>
#include <cmath>

namespace {

// More than a few thousand years either way is a mistake, and the sums stay exact.
constexpr long maximumAmount = 1000000;

std::optional<int> digits(std::string_view text, size_t position, size_t count)
{
    if (position + count > text.size())
        return std::nullopt;
    int value = 0;
    for (char c : text.substr(position, count)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::pair<int, int>> timeOfDay(std::string_view text)
{
    auto parts = ProfileDate::numbersIn(text, "dd:dd");
    if (!parts || (*parts)[0] > 23 || (*parts)[1] > 59)
        return std::nullopt;
    return std::pair { (*parts)[0], (*parts)[1] };
}

std::shared_ptr<NSDate> localDate(const NSCalendar& calendar, const std::vector<int>& parts)
{
    NSDateComponents components;
    components.setYear(parts[0]);
    components.setMonth(parts[1]);
    components.setDay(parts[2]);
    components.setHour(parts[3]);
    components.setMinute(parts[4]);
    components.setSecond(parts[5]);
    auto date = calendar.dateFromComponents(components);
    auto units = NSCalendarUnitYear | NSCalendarUnitMonth | NSCalendarUnitDay | NSCalendarUnitHour
        | NSCalendarUnitMinute | NSCalendarUnitSecond;
    // Out-of-range parts carry over; a date that does not read back as written is not a date.
    auto back = date ? calendar.components(units, date) : nullptr;
    if (!back || back->year() != parts[0] || back->month() != parts[1] || back->day() != parts[2]
        || back->hour() != parts[3] || back->minute() != parts[4] || back->second() != parts[5])
        return nullptr;
    return date;
}

} // namespace

std::optional<std::vector<int>> ProfileDate::numbersIn(std::string_view text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return std::nullopt;
    std::vector<int> numbers;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern[i] != 'd') {
            if (text[i] != pattern[i])
                return std::nullopt;
            ++i;
            continue;
        }
        auto end = pattern.find_first_not_of('d', i);
        auto count = (end == std::string_view::npos ? pattern.size() : end) - i;
        auto number = digits(text, i, count);
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
        i += count;
    }
    return numbers;
}

std::optional<ProfileDate> ProfileDate::parse(std::string_view text)
{
    ProfileDate date;
    for (auto pattern : { "dddd-dd-ddTdd:dd:dd", "dddd-dd-ddTdd:dd", "dddd-dd-dd" }) {
        if (auto parts = numbersIn(text, pattern)) {
            parts->resize(6, 0);
            date.m_local = std::move(parts);
            return date;
        }
    }
    if (auto time = timeOfDay(text)) {
        date.m_timeOfDay = time;
        return date;
    }
    if (text.empty() || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    int sign = text[0] == '-' ? -1 : 1;
    auto space = text.find(' ');
    auto offset = text.substr(1, space == std::string_view::npos ? std::string_view::npos : space - 1);
    if (space != std::string_view::npos) {
        date.m_timeOfDay = timeOfDay(text.substr(space + 1));
        if (!date.m_timeOfDay)
            return std::nullopt;
    }
    constexpr std::array<std::pair<char, double>, 4> units { { { 'd', 0 }, { 'h', 3600 }, { 'm', 60 },
        { 's', 1 } } };
    size_t nextUnit = 0;
    size_t i = 0;
    if (offset.empty())
        return std::nullopt;
    while (i < offset.size()) {
        long amount = 0;
        size_t start = i;
        while (i < offset.size() && offset[i] >= '0' && offset[i] <= '9' && amount <= maximumAmount)
            amount = amount * 10 + (offset[i++] - '0');
        if (i == start || i == offset.size() || amount > maximumAmount)
            return std::nullopt;
        while (nextUnit < units.size() && units[nextUnit].first != offset[i])
            ++nextUnit;
        if (nextUnit == units.size())
            return std::nullopt;
        if (units[nextUnit].first == 'd')
            date.m_days = sign * static_cast<int>(amount);
        else
            date.m_seconds += sign * amount * units[nextUnit].second;
        ++nextUnit;
        ++i;
    }
    // A time of day goes with whole days only.
    if (date.m_timeOfDay && date.m_seconds != 0)
        return std::nullopt;
    return date;
}

std::optional<CFAbsoluteTime> ProfileDate::resolve(
    CFAbsoluteTime start, const std::shared_ptr<NSTimeZone>& zone) const
{
    NSCalendar calendar(zone, nullptr);
    if (m_local) {
        auto date = localDate(calendar, *m_local);
        return date ? std::optional(date->timeIntervalSinceReferenceDate()) : std::nullopt;
    }
    auto date = NSDate::dateWithTimeIntervalSinceReferenceDate(start);
    if (m_days) {
        NSDateComponents days;
        days.setDay(m_days);
        date = calendar.dateByAddingComponents(days, date);
    }
    if (date && m_timeOfDay) {
        auto day = calendar.components(NSCalendarUnitYear | NSCalendarUnitMonth | NSCalendarUnitDay, date);
        date = localDate(calendar,
            { static_cast<int>(day->year()), static_cast<int>(day->month()), static_cast<int>(day->day()),
                m_timeOfDay->first, m_timeOfDay->second, 0 });
    }
    if (!date)
        return std::nullopt;
    return date->timeIntervalSinceReferenceDate() + m_seconds;
}
