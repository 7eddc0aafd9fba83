#pragma once

#include "dispatch/RunLoop.h"

#include <optional>
#include <string_view>

// A span of virtual time as scripts write it: a number and a unit, "500ms", "30s", "1.5m", "2h".
class Duration {
public:
    // The most one command may run: a day of virtual time, which takes a second or two to run.
    static constexpr NSTimeInterval maximum = 24 * 3600;
    static constexpr std::string_view maximumText = "24h";

    // Nothing for anything else, a negative span or one over the maximum included.
    static std::optional<NSTimeInterval> parse(std::string_view);
};
