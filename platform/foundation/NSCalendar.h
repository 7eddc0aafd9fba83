#pragma once

#include "foundation/NSDate.h"
#include "foundation/NSDateComponents.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"
#include "objc/NSObject.h"

#include <memory>

using NSCalendarUnit = NSUInteger;
constexpr NSCalendarUnit NSCalendarUnitYear = 1 << 2;
constexpr NSCalendarUnit NSCalendarUnitMonth = 1 << 3;
constexpr NSCalendarUnit NSCalendarUnitDay = 1 << 4;
constexpr NSCalendarUnit NSCalendarUnitHour = 1 << 5;
constexpr NSCalendarUnit NSCalendarUnitMinute = 1 << 6;
constexpr NSCalendarUnit NSCalendarUnitSecond = 1 << 7;

// The Gregorian calendar in one time zone. Days are local days: adding a day keeps the time of
// day across a daylight-saving change, while adding hours, minutes or seconds adds elapsed time.
// A missing date (nothing passed) gives nothing back, and is in neither today nor tomorrow.
class NSCalendar : public NSObject {
    OBJC_CLASS(NSCalendar, NSObject)
public:
    // Nothing for either means the device's.
    NSCalendar(std::shared_ptr<NSTimeZone>, std::shared_ptr<NSLocale>);

    // The device's calendar, in its time zone and locale as they are now.
    static std::shared_ptr<NSCalendar> currentCalendar();

    const std::shared_ptr<NSTimeZone>& timeZone() const { return m_timeZone; }
    const std::shared_ptr<NSLocale>& locale() const { return m_locale; }

    // The requested parts of the date; the others are undefined.
    std::shared_ptr<NSDateComponents> components(NSCalendarUnit, const std::shared_ptr<NSDate>&) const;
    // Undefined parts count from 1 January of the year 1 at midnight; parts out of range carry
    // into the next larger unit (minute 75 is a quarter past the next hour). Nothing when a part
    // is too large for the calendar.
    std::shared_ptr<NSDate> dateFromComponents(const NSDateComponents&) const;
    // Adds the defined parts, largest unit first; a month added to 31 January ends on the
    // last day of February.
    std::shared_ptr<NSDate> dateByAddingComponents(
        const NSDateComponents&, const std::shared_ptr<NSDate>&) const;
    // The first moment of the date's day, which is later than midnight on a day that begins
    // with a daylight-saving jump.
    std::shared_ptr<NSDate> startOfDayForDate(const std::shared_ptr<NSDate>&) const;
    bool isDateInToday(const std::shared_ptr<NSDate>&) const;
    bool isDateInTomorrow(const std::shared_ptr<NSDate>&) const;

    // not implemented: other calendars, weeks and weekdays, wrapping options, ranges of units

private:
    std::shared_ptr<NSTimeZone> m_timeZone;
    std::shared_ptr<NSLocale> m_locale;
};
