#pragma once

#include "LMKalendoMissiva/LMSchedule.h"
#include "contracts/EKEventStore.h"

#include <string>
#include <vector>

class LMSettings;
class NSDate;

// Orders, filters and limits what the calendar store returned for one reload, and words the
// time until the next item.
class LMScheduleGatherer {
public:
    // The day window is kept between these: below 0 it would be inverted, and far beyond a year
    // its seconds no longer fit the 32-bit count the summary works with.
    static constexpr int minimumDaysFromNow = 0;
    static constexpr int maximumDaysFromNow = 365;
    static int boundedDaysFromNow(int days);

    // The preference's names, trimmed of horizontal space and lower-cased, in order.
    static std::vector<std::string> calendarBlacklist(const LMSettings&);
    // Trimmed and lower-cased as the blacklist's names are.
    static std::string normalizedCalendarTitle(std::string_view);
    // The start plus the bounded number of days, as calendar days.
    static std::shared_ptr<NSDate> windowEnd(const std::shared_ptr<NSDate>& start, int days);

    // Steps on the main queue: the reminders fetched (or none), then the events asked for
    // synchronously; the counter is the next section key.
    static LMSchedule gather(const LMSettings&, contracts::EKEventStore* store,
        const std::shared_ptr<NSDate>& start, const std::shared_ptr<NSDate>& end,
        contracts::EKEventStore::Reminders reminders);

    // "now", "in 5 minutes", "in 2 hours" or a date by "MMM d".
    static std::string timeUntilNextEvent(int seconds);
};
