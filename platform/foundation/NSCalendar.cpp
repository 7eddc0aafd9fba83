#include "foundation/NSCalendar.h"

#include "foundation/ICUCache.h"
#include "foundation/ICUSupport.h"

#include <unicode/calendar.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

using namespace foundation::icu_support;

namespace {

struct Field {
    NSCalendarUnit unit;
    UCalendarDateFields icuField;
    NSInteger icuOffset; // ICU counts months from 0
    NSInteger origin; // the value an undefined part takes when a date is made of parts
    NSInteger (NSDateComponents::*get)() const;
    void (NSDateComponents::*set)(NSInteger);
};

// Largest unit first: the order in which parts are added.
constexpr Field fields[] = {
    { NSCalendarUnitYear, UCAL_YEAR, 0, 1, &NSDateComponents::year, &NSDateComponents::setYear },
    { NSCalendarUnitMonth, UCAL_MONTH, 1, 1, &NSDateComponents::month, &NSDateComponents::setMonth },
    { NSCalendarUnitDay, UCAL_DATE, 0, 1, &NSDateComponents::day, &NSDateComponents::setDay },
    { NSCalendarUnitHour, UCAL_HOUR_OF_DAY, 0, 0, &NSDateComponents::hour, &NSDateComponents::setHour },
    { NSCalendarUnitMinute, UCAL_MINUTE, 0, 0, &NSDateComponents::minute, &NSDateComponents::setMinute },
    { NSCalendarUnitSecond, UCAL_SECOND, 0, 0, &NSDateComponents::second, &NSDateComponents::setSecond },
};

std::optional<int32_t> icuValue(NSInteger value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

icu::Calendar& icuCalendar(const NSCalendar& calendar)
{
    return foundation::ICUCache::calendar(calendar.timeZone()->name(), calendar.locale()->localeIdentifier());
}

// The local day the moment falls on, as a day count.
std::optional<int32_t> localDayNumber(const NSCalendar& calendar, const NSDate& date)
{
    auto& local = icuCalendar(calendar);
    UErrorCode status = U_ZERO_ERROR;
    local.setTime(udate(date), status);
    int32_t day = local.get(UCAL_JULIAN_DAY, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return day;
}

} // namespace

NSCalendar::NSCalendar(std::shared_ptr<NSTimeZone> timeZone, std::shared_ptr<NSLocale> locale)
    : m_timeZone(timeZone ? std::move(timeZone) : NSTimeZone::defaultTimeZone())
    , m_locale(locale ? std::move(locale) : NSLocale::currentLocale())
{ }

std::shared_ptr<NSCalendar> NSCalendar::currentCalendar()
{
    return std::make_shared<NSCalendar>(NSTimeZone::defaultTimeZone(), NSLocale::currentLocale());
}

std::shared_ptr<NSDateComponents> NSCalendar::components(
    NSCalendarUnit units, const std::shared_ptr<NSDate>& date) const
{
    if (!date)
        return nullptr;
    auto& calendar = icuCalendar(*this);
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(udate(*date), status);
    auto result = std::make_shared<NSDateComponents>();
    for (auto& field : fields) {
        if (units & field.unit)
            ((*result).*field.set)(calendar.get(field.icuField, status) + field.icuOffset);
    }
    return U_SUCCESS(status) ? result : nullptr;
}

std::shared_ptr<NSDate> NSCalendar::dateFromComponents(const NSDateComponents& components) const
{
    auto& calendar = icuCalendar(*this);
    calendar.clear();
    for (auto& field : fields) {
        NSInteger value = (components.*field.get)();
        auto number = icuValue((value == NSDateComponentUndefined ? field.origin : value) - field.icuOffset);
        if (!number)
            return nullptr;
        calendar.set(field.icuField, *number);
    }
    UErrorCode status = U_ZERO_ERROR;
    UDate milliseconds = calendar.getTime(status);
    return U_SUCCESS(status) ? dateFromUDate(milliseconds) : nullptr;
}

std::shared_ptr<NSDate> NSCalendar::dateByAddingComponents(
    const NSDateComponents& components, const std::shared_ptr<NSDate>& date) const
{
    if (!date)
        return nullptr;
    // ICU keeps whole milliseconds only: compute the shift from a whole start and add it to the
    // exact date, so fractions of a second survive.
    UDate start = std::floor(udate(*date));
    auto& calendar = icuCalendar(*this);
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(start, status);
    for (auto& field : fields) {
        NSInteger value = (components.*field.get)();
        if (value == NSDateComponentUndefined)
            continue;
        auto amount = icuValue(value);
        if (!amount)
            return nullptr;
        calendar.add(field.icuField, *amount, status);
    }
    UDate end = calendar.getTime(status);
    return U_SUCCESS(status) ? date->dateByAddingTimeInterval((end - start) / 1000.0) : nullptr;
}

std::shared_ptr<NSDate> NSCalendar::startOfDayForDate(const std::shared_ptr<NSDate>& date) const
{
    if (!date)
        return nullptr;
    auto& calendar = icuCalendar(*this);
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(udate(*date), status);
    for (auto field : { UCAL_HOUR_OF_DAY, UCAL_MINUTE, UCAL_SECOND, UCAL_MILLISECOND })
        calendar.set(field, 0);
    UDate milliseconds = calendar.getTime(status);
    return U_SUCCESS(status) ? dateFromUDate(milliseconds) : nullptr;
}

bool NSCalendar::isDateInToday(const std::shared_ptr<NSDate>& date) const
{
    if (!date)
        return false;
    auto day = localDayNumber(*this, *date);
    return day && day == localDayNumber(*this, *NSDate::date());
}

bool NSCalendar::isDateInTomorrow(const std::shared_ptr<NSDate>& date) const
{
    if (!date)
        return false;
    auto day = localDayNumber(*this, *date);
    auto today = localDayNumber(*this, *NSDate::date());
    return day && today && *day == *today + 1;
}
