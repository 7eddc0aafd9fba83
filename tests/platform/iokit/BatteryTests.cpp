#include "dispatch/RunLoop.h"
#include "iokit/Battery.h"
#include "objc/Runtime.h"
#include "platform/iokit/TestBattery.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using iokit::Battery;

namespace {

void startClockAt(CFAbsoluteTime time)
{
    objc::Runtime::beginProcess();
    dispatch::RunLoop::main().reset(time);
}

} // namespace

TEST(Battery, DrainsAndChargesAtItsRateOverVirtualTimeWithinEmptyAndFull)
{
    startClockAt(1000);
    Battery::set(batteryAt(0.5, -0.1));
    dispatch::RunLoop::main().advance(1800);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.45);
    dispatch::RunLoop::main().advance(5 * 3600);
    EXPECT_DOUBLE_EQ(Battery::level(), 0);

    Battery::setCharging(true);
    Battery::setRatePerHour(0.5);
    dispatch::RunLoop::main().advance(3600);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.5);
    EXPECT_TRUE(Battery::state().charging);
    dispatch::RunLoop::main().advance(2 * 3600);
    EXPECT_DOUBLE_EQ(Battery::level(), 1);
}

TEST(Battery, ReadingOftenGivesTheSameLevelAsReadingOnce)
{
    startClockAt(0);
    Battery::set(batteryAt(0.8, -0.06));
    for (int second = 0; second < 600; ++second) {
        dispatch::RunLoop::main().advance(1);
        Battery::level();
    }
    EXPECT_NEAR(Battery::level(), 0.79, 1e-12);
}

TEST(Battery, OutlivesTheProcessAndIsNotWoundBackByAClockThatRestartsEarlier)
{
    startClockAt(5000);
    Battery::set(batteryAt(0.6, -0.36, 1800));
    dispatch::RunLoop::main().advance(100);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.59);

    startClockAt(1000);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.59);
    EXPECT_EQ(Battery::rawMaxCapacity(), 1800);
    dispatch::RunLoop::main().advance(100);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.58);
}

TEST(Battery, ReportsItsRawChargeAndPercentage)
{
    startClockAt(0);
    struct Case {
        Battery::State state;
        std::optional<int> rawCurrent;
        int percentage;
    } cases[] = {
        { batteryAt(0.64, 0, 1816), 1162, 64 },
        { batteryAt(0.6449, 0, 1000), 645, 64 },
        { batteryAt(0.2, 0, 1800, 1200), 1200, 20 },
        { batteryAt(0.2, 0, {}, 1200), 1200, 20 },
        { batteryAt(0.2), std::nullopt, 20 },
        { batteryAt(1.7), std::nullopt, 100 },
        { batteryAt(-0.2), std::nullopt, 0 },
    };
    for (auto& [state, rawCurrent, percentage] : cases) {
        Battery::set(state);
        EXPECT_EQ(Battery::rawCurrentCapacity(), rawCurrent) << state.level;
        EXPECT_EQ(Battery::percentage(), percentage) << state.level;
    }
}

TEST(Battery, RefusesAnImpossibleDescriptionAndKeepsItsOwn)
{
    startClockAt(0);
    Battery::set(batteryAt(0.3));
    EXPECT_THROW(Battery::setLevel(NAN), std::invalid_argument);
    EXPECT_THROW(Battery::setRatePerHour(INFINITY), std::invalid_argument);
    EXPECT_THROW(Battery::set(batteryAt(1, 0, -1)), std::invalid_argument);
    EXPECT_DOUBLE_EQ(Battery::level(), 0.3);
    EXPECT_EQ(Battery::rawMaxCapacity(), std::nullopt);
}
