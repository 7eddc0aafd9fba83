#include "contracts/TimerManager.h"
#include "mobiletimer/TimerManager.h"
#include "objc/ClassRef.h"
#include "platform/mobiletimer/ClockTestDevice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

using mobiletimer::TimerManager;

namespace {

std::shared_ptr<contracts::TimerManager> timerByName()
{
    static objc::ClassRef timerClass { "TimerManager" };
    return contracts::shared<contracts::TimerManager>(timerClass, contracts::TimerManager::sharedManager);
}

CFAbsoluteTime now()
{
    return dispatch::RunLoop::main().now();
}

// Records the moments at which the timer rang.
std::vector<CFAbsoluteTime>& ringsOf(TimerManager& timer)
{
    static std::vector<CFAbsoluteTime> rings;
    rings.clear();
    timer.setFireHandler([] { rings.push_back(now()); });
    return rings;
}

} // namespace

TEST(TimerManager, RunsPausesResumesAndCancelsKeepingTheTimeLeft)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto timer = timerByName();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->state(), 1);
    EXPECT_EQ(timer->fireTime(), 0);

    timer->scheduleAt(now() + 12 * 3600, timer->defaultSound());
    EXPECT_EQ(timer->state(), 3);
    EXPECT_EQ(timer->fireTime(), Monday2350 + 12 * 3600);
    EXPECT_EQ(TimerManager::sharedManager()->sound(), "Chime");

    dispatch::RunLoop::main().advance(100);
    timer->pause();
    EXPECT_EQ(timer->state(), 2);
    EXPECT_EQ(TimerManager::sharedManager()->remainingTime(), 12 * 3600 - 100);
    dispatch::RunLoop::main().advance(1000);
    EXPECT_EQ(TimerManager::sharedManager()->remainingTime(), 12 * 3600 - 100);
    EXPECT_EQ(timer->fireTime(), now() + 12 * 3600 - 100);
    timer->pause();
    EXPECT_EQ(timer->state(), 2);

    timer->resume();
    EXPECT_EQ(timer->state(), 3);
    EXPECT_EQ(timer->fireTime(), Monday2350 + 1100 + 12 * 3600 - 100);
    timer->resume();
    EXPECT_EQ(timer->fireTime(), Monday2350 + 1100 + 12 * 3600 - 100);

    timer->cancel();
    EXPECT_EQ(timer->state(), 1);
    EXPECT_EQ(TimerManager::sharedManager()->remainingTime(), 0);
    timer->resume();
    EXPECT_EQ(timer->state(), 1);
}

TEST(TimerManager, RingsOnceAtItsFireTimeAndStops)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto timer = TimerManager::sharedManager();
    auto& rings = ringsOf(*timer);
    timer->scheduleAt(now() + 65, timer->defaultSound());

    dispatch::RunLoop::main().advance(64.9);
    EXPECT_TRUE(rings.empty());
    EXPECT_EQ(timer->state(), 3);
    dispatch::RunLoop::main().advance(3600);
    EXPECT_EQ(rings, std::vector<CFAbsoluteTime> { Monday2350 + 65 });
    EXPECT_EQ(timer->state(), 1);
}

TEST(TimerManager, NeverRingsWhilePausedOrAfterACancelOrForAReplacedTime)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto timer = TimerManager::sharedManager();
    auto& rings = ringsOf(*timer);

    timer->scheduleAt(now() + 10, "Chime");
    timer->pause();
    dispatch::RunLoop::main().advance(60);
    timer->resume();
    timer->cancel();
    dispatch::RunLoop::main().advance(60);
    EXPECT_TRUE(rings.empty());

    timer->scheduleAt(now() + 10, "Chime");
    timer->scheduleAt(now() + 30, "Chime");
    dispatch::RunLoop::main().advance(60);
    EXPECT_EQ(rings, std::vector<CFAbsoluteTime> { Monday2350 + 150 });
}

TEST(TimerManager, RingsAtOnceForATimeAlreadyPastAndRefusesATimeThatIsNoNumber)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto timer = TimerManager::sharedManager();
    auto& rings = ringsOf(*timer);
    timer->scheduleAt(now() - 5, "Chime");
    dispatch::RunLoop::main().advance(0.01);
    EXPECT_EQ(rings.size(), 1u);

    EXPECT_THROW(timer->scheduleAt(NAN, "Chime"), std::invalid_argument);
    EXPECT_EQ(timer->state(), 1);
}

TEST(TimerManager, GoesOnInTheNextHostProcess)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    TimerManager::sharedManager()->scheduleAt(now() + 600, "Chime");

    device.boot(Monday2350 + 100);
    auto timer = TimerManager::sharedManager();
    EXPECT_EQ(timer->state(), 3);
    EXPECT_EQ(timer->fireTime(), Monday2350 + 600);
    timer->pause();

    device.boot(Monday2350 + 200);
    EXPECT_EQ(TimerManager::sharedManager()->state(), 2);
    EXPECT_EQ(TimerManager::sharedManager()->remainingTime(), 500);
    TimerManager::sharedManager()->resume();

    // Due while the host was down: it rings as soon as the new host's run loop turns.
    device.boot(Monday2350 + 5000);
    auto& rings = ringsOf(*TimerManager::sharedManager());
    dispatch::RunLoop::main().advance(0.01);
    EXPECT_EQ(rings.size(), 1u);
    EXPECT_EQ(TimerManager::sharedManager()->state(), 1);
}
