#pragma once

#include "foundation/NSDate.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>
#include <string_view>

namespace foundation {
class CompiledDateFormat;
}

// Turns dates into text by a fixed pattern of the Unicode date field symbols ("hh:mm a",
// "EEEE, ", "MMM d"), in a locale and a time zone: the device's unless set otherwise. A missing
// date, an empty pattern or one that cannot be read gives empty text. Making one is cheap: the
// compiled pattern is shared by every formatter of the same pattern, locale and time zone.
class NSDateFormatter : public NSObject {
    OBJC_CLASS(NSDateFormatter, NSObject)
public:
    NSDateFormatter();

    const std::string& dateFormat() const { return m_dateFormat; }
    void setDateFormat(std::string);
    const std::shared_ptr<NSLocale>& locale() const { return m_locale; }
    // Nothing means the device's locale again; likewise for the time zone.
    void setLocale(std::shared_ptr<NSLocale>);
    const std::shared_ptr<NSTimeZone>& timeZone() const { return m_timeZone; }
    void setTimeZone(std::shared_ptr<NSTimeZone>);

    std::string stringFromDate(const std::shared_ptr<NSDate>&) const;
    // The whole text must match the pattern; parts the pattern lacks count from 1 January 1970
    // at midnight. Nothing when the text does not match.
    std::shared_ptr<NSDate> dateFromString(std::string_view) const;

    // not implemented: date and time styles, relative formatting, leniency settings

private:
    foundation::CompiledDateFormat* format() const;

    std::string m_dateFormat;
    std::shared_ptr<NSLocale> m_locale;
    std::shared_ptr<NSTimeZone> m_timeZone;
};
