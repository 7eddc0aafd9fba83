#pragma once

#include "iokit/Battery.h"

#include <optional>

inline iokit::Battery::State batteryAt(double level, double ratePerHour = 0,
    std::optional<int> rawMaxCapacity = {}, std::optional<int> fixedRawCurrentCapacity = {})
{
    iokit::Battery::State state;
    state.level = level;
    state.ratePerHour = ratePerHour;
    state.rawMaxCapacity = rawMaxCapacity;
    state.fixedRawCurrentCapacity = fixedRawCurrentCapacity;
    return state;
}
