#pragma once

#include "dispatch/RunLoop.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class NSTimeZone;

// A date as profiles and scripts write it: local "YYYY-MM-DDTHH:MM:SS" (seconds, or the whole
// time, may be left out), or relative to a starting moment: "+10m", "-1h30m", "+2d 09:00" (two
// days on, at 09:00), "14:00" (the same day at 14:00). Days are calendar days, so "+1d" keeps
// the time of day across a daylight-saving change; hours, minutes and seconds are elapsed time.
class ProfileDate {
public:
    static constexpr std::string_view expected
        = "a date \"YYYY-MM-DDTHH:MM[:SS]\" or one relative to the "
          "start such as \"+10m\", \"-1h30m\", \"+2d 09:00\" or \"14:00\"";

    // Nothing when the text is not a date of these forms (an absolute one is checked against the
    // calendar only when resolved).
    static std::optional<ProfileDate> parse(std::string_view);
    // Nothing when the local date does not exist (30 February, 25:00).
    std::optional<CFAbsoluteTime> resolve(CFAbsoluteTime start, const std::shared_ptr<NSTimeZone>&) const;

    // The numbers of a text laid out as the pattern, where each 'd' is a digit; nothing when it
    // is not.
    static std::optional<std::vector<int>> numbersIn(std::string_view text, std::string_view pattern);

private:
    ProfileDate() = default;

    // Absolute: year, month, day, hour, minute, second.
    std::optional<std::vector<int>> m_local;
    // Relative.
    int m_days { 0 };
    double m_seconds { 0 };
    std::optional<std::pair<int, int>> m_timeOfDay;
};
