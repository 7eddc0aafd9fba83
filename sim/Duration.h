#pragma once

#include "dispatch/RunLoop.h"

#include <optional>
#include <string_view>

// A span of virtual time as scripts write it: a number and a unit, "500ms", "30s", "1.5m", "2h".
class Duration {
public:
    // Nothing for anything else, a negative span included.
    static std::optional<NSTimeInterval> parse(std::string_view);
};
