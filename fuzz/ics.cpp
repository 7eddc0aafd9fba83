// Feeds arbitrary bytes to the calendar reader as an iCalendar file: it must either reject the
// file with an error naming it or read it, and expanding what it read over a window must end
// in bounded time with every occurrence inside the window.
#include "eventkit/IcsCalendar.h"
#include "foundation/NSTimeZone.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static auto zone = NSTimeZone::timeZoneWithName("America/Los_Angeles");
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::shared_ptr<const eventkit::IcsCalendar> calendar;
    try {
        calendar = eventkit::IcsCalendar::parse(text, "fuzz.ics", zone);
    } catch (const eventkit::IcsError& error) {
        if (!std::string_view(error.what()).starts_with("fuzz.ics: "))
            std::abort();
        return 0;
    }
    // A week around 7 December 2015.
    const CFAbsoluteTime start = 471171930 - 3 * 86400;
    const CFAbsoluteTime end = start + 7 * 86400;
    for (auto& occurrence : calendar->occurrences(start, end)) {
        if (occurrence.start >= end || occurrence.end <= start || occurrence.end < occurrence.start)
            std::abort();
    }
    for (auto& reminder : calendar->reminders())
        (void)reminder.title.size();
    return 0;
}
