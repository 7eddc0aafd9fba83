#pragma once

#include "foundation/NSDate.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

// Crossings between Foundation's objects and ICU's, for the classes that format and compute
// with dates. Not part of the public interface.
namespace foundation::icu_support {

inline UDate udate(const NSDate& date)
{
    return date.timeIntervalSince1970() * 1000.0;
}

inline std::shared_ptr<NSDate> dateFromUDate(UDate milliseconds)
{
    return NSDate::dateWithTimeIntervalSince1970(milliseconds / 1000.0);
}

inline icu::TimeZone* createICUTimeZone(const NSTimeZone& zone)
{
    return icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone.name()));
}

inline icu::Locale icuLocale(const NSLocale& locale)
{
    return icu::Locale::createCanonical(locale.localeIdentifier().c_str());
}

inline std::string utf8(const icu::UnicodeString& text)
{
    std::string result;
    text.toUTF8String(result);
    return result;
}

} // namespace foundation::icu_support
