#include "iokit/Battery.h"

#include "dispatch/RunLoop.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <stdexcept>

namespace iokit {
namespace {

struct Stored {
    std::mutex mutex;
    // The level in `state` held at `since`; it has moved at the rate from then on.
    Battery::State state;
    CFAbsoluteTime since { 0 };
    // The latest time the level was read at, so a clock that goes back keeps what had drained.
    CFAbsoluteTime lastSeen { 0 };
};

Stored& stored()
{
    static Stored instance;
    return instance;
}

// The level now. Like a real gauge, it moves in whole percents: the drift since the level was
// last set is counted in whole percents, while a level that was set keeps its fraction. A clock
// that went back (a new simulated process started at an earlier time) restarts the reckoning
// there rather than winding the level back.
double steppedLevel(const Stored& battery, CFAbsoluteTime at)
{
    auto percents = battery.state.ratePerHour * (at - battery.since) / 36;
    auto drift = std::trunc(percents + std::copysign(1e-9, percents)) / 100;
    return std::clamp(battery.state.level + drift, 0.0, 1.0);
}

double levelNow(Stored& battery)
{
    auto now = dispatch::RunLoop::main().now();
    if (now < battery.since) {
        battery.state.level = steppedLevel(battery, battery.lastSeen);
        battery.since = now;
    }
    battery.lastSeen = now;
    return steppedLevel(battery, now);
}

Battery::State validated(Battery::State state)
{
    if (!std::isfinite(state.level) || !std::isfinite(state.ratePerHour))
        throw std::invalid_argument("the battery's level and rate must be numbers");
    if (state.rawMaxCapacity.value_or(0) < 0 || state.fixedRawCurrentCapacity.value_or(0) < 0)
        throw std::invalid_argument("the battery's raw capacities cannot be negative");
    state.level = std::clamp(state.level, 0.0, 1.0);
    return state;
}

template <class Change> void change(Change&& apply)
{
    auto& battery = stored();
    std::lock_guard lock(battery.mutex);
    auto state = battery.state;
    state.level = levelNow(battery);
    battery.since = battery.lastSeen;
    apply(state);
    battery.state = validated(state);
}

} // namespace

Battery::State Battery::state()
{
    auto& battery = stored();
    std::lock_guard lock(battery.mutex);
    auto state = battery.state;
    state.level = levelNow(battery);
    return state;
}

void Battery::set(State state)
{
    change([&](State& current) { current = state; });
}

void Battery::setLevel(double level)
{
    change([&](State& current) { current.level = level; });
}

void Battery::setCharging(bool charging)
{
    change([&](State& current) { current.charging = charging; });
}

void Battery::setRatePerHour(double rate)
{
    change([&](State& current) { current.ratePerHour = rate; });
}

int Battery::percentage()
{
    return static_cast<int>(std::lround(level() * 100));
}

std::optional<int> Battery::rawCurrentCapacity()
{
    auto current = state();
    if (current.fixedRawCurrentCapacity)
        return current.fixedRawCurrentCapacity;
    if (!current.rawMaxCapacity)
        return std::nullopt;
    return static_cast<int>(std::lround(current.level * *current.rawMaxCapacity));
}

} // namespace iokit
