#pragma once

#include "foundation/NSObjCRuntime.h"
#include "objc/NSObject.h"

#include <limits>

// Marks a component that is not set.
constexpr NSInteger NSDateComponentUndefined = std::numeric_limits<NSInteger>::max();

// The parts of a date in some calendar, or amounts to add to one. Any part may be undefined,
// and a part may lie outside its usual range: a calendar carries the overflow.
class NSDateComponents : public NSObject {
    OBJC_CLASS(NSDateComponents, NSObject)
public:
    NSInteger year() const { return m_year; }
    NSInteger month() const { return m_month; }
    NSInteger day() const { return m_day; }
    NSInteger hour() const { return m_hour; }
    NSInteger minute() const { return m_minute; }
    NSInteger second() const { return m_second; }

    void setYear(NSInteger year) { m_year = year; }
    void setMonth(NSInteger month) { m_month = month; }
    void setDay(NSInteger day) { m_day = day; }
    void setHour(NSInteger hour) { m_hour = hour; }
    void setMinute(NSInteger minute) { m_minute = minute; }
    void setSecond(NSInteger second) { m_second = second; }

    // not implemented: era, weekday, week-based and sub-second components

private:
    NSInteger m_year { NSDateComponentUndefined };
    NSInteger m_month { NSDateComponentUndefined };
    NSInteger m_day { NSDateComponentUndefined };
    NSInteger m_hour { NSDateComponentUndefined };
    NSInteger m_minute { NSDateComponentUndefined };
    NSInteger m_second { NSDateComponentUndefined };
};
