#pragma once

#include <unicode/uversion.h>

#include <string>

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace foundation {

class CompiledDateFormat;

// ICU's calendars and compiled date formats cost far more to make than to use, and the system
// asks for the same few again every second: one calendar per time zone and locale, one format
// per pattern, locale and time zone, kept for the calling thread. All are dropped when the
// device's time zone or locale changes. Callers set a calendar's time before reading it; a
// format's own calendar is never moved. Not part of the public interface.
class ICUCache {
public:
    // Throws std::runtime_error when ICU cannot make the calendar.
    static icu::Calendar& calendar(const std::string& timeZone, const std::string& locale);
    // Nothing for a pattern ICU cannot read.
    static CompiledDateFormat* dateFormat(
        const std::string& pattern, const std::string& locale, const std::string& timeZone);

    // Drops everything kept, on every thread at its next use.
    static void invalidate();
};

} // namespace foundation
