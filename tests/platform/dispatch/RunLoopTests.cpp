#include "dispatch/NSTimer.h"
#include "dispatch/Once.h"
#include "dispatch/Queue.h"
#include "dispatch/RunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

class RunLoopTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        loop().reset(1000.0);
    }
    static dispatch::RunLoop& loop() { return dispatch::RunLoop::main(); }
};

struct Owner {
    std::vector<double> fired;
    void tick(NSTimer*) { fired.push_back(dispatch::RunLoop::main().now() - 1000.0); }
};

} // namespace

TEST_F(RunLoopTest, TimersFireAtTheirOwnDueTimesInOrder)
{
    std::vector<std::string> events;
    NSTimer::scheduledTimerWithTimeInterval(
        1.0, [&](NSTimer*) { events.push_back("1s@" + std::to_string(int(loop().now() - 1000))); }, true);
    NSTimer::scheduledTimerWithTimeInterval(
        2.5, [&](NSTimer*) { events.push_back("2.5s"); }, false);
    loop().advance(3.0);
    EXPECT_EQ(events, (std::vector<std::string> { "1s@1", "1s@2", "2.5s", "1s@3" }));
    EXPECT_DOUBLE_EQ(loop().now(), 1003.0);
    EXPECT_EQ(loop().scheduledTimerCount(), 1u);
}

TEST_F(RunLoopTest, ATimerHoldsItsTargetWeakly)
{
    auto owner = std::make_shared<Owner>();
    auto timer = NSTimer::scheduledTimerWithTimeInterval(0.5, owner, &Owner::tick, true);
    loop().advance(1.0);
    EXPECT_EQ(owner->fired, (std::vector<double> { 0.5, 1.0 }));
    std::weak_ptr<Owner> weak = owner;
    owner.reset();
    EXPECT_TRUE(weak.expired());
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(loop().scheduledTimerCount(), 0u);
    loop().advance(1.0);
    // Dropped from the loop: only the caller's reference is left.
    EXPECT_EQ(timer.use_count(), 1);
}

// A timer whose firing kills the target of another timer due in the same pass: the other one is
// dropped, never fired, and the timers behind it still fire in order.
TEST_F(RunLoopTest, ATimerWhoseTargetDiesMidPassIsDroppedBeforeItFires)
{
    auto doomed = std::make_shared<Owner>();
    auto survivor = std::make_shared<Owner>();
    std::weak_ptr<NSTimer> doomedTimer
        = NSTimer::scheduledTimerWithTimeInterval(0.625, doomed, &Owner::tick, true);
    NSTimer::scheduledTimerWithTimeInterval(
        0.5, [&](NSTimer*) { doomed.reset(); }, false);
    NSTimer::scheduledTimerWithTimeInterval(0.75, survivor, &Owner::tick, true);
    loop().advance(1.75);
    EXPECT_TRUE(doomedTimer.expired());
    EXPECT_EQ(survivor->fired, (std::vector<double> { 0.75, 1.5 }));
    EXPECT_EQ(loop().scheduledTimerCount(), 1u);
}

TEST_F(RunLoopTest, TheEndOfAProcessInvalidatesAndDropsEveryTimerAndBlock)
{
    bool ran = false;
    auto timer = NSTimer::scheduledTimerWithTimeInterval(
        1.0, [&](NSTimer*) { ran = true; }, true);
    dispatch_async(dispatch_get_main_queue(), [&] { ran = true; });
    dispatch_after(0.5, dispatch_get_main_queue(), [&] { ran = true; });
    objc::Runtime::endProcess();
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(timer.use_count(), 1);
    loop().advance(2.0);
    EXPECT_FALSE(ran);
}

TEST_F(RunLoopTest, ATimerMayScheduleAndInvalidateTimersWhileFiring)
{
    int inner = 0;
    std::shared_ptr<NSTimer> victim = NSTimer::scheduledTimerWithTimeInterval(
        1.5, [&](NSTimer*) { ADD_FAILURE(); }, false);
    NSTimer::scheduledTimerWithTimeInterval(
        1.0,
        [&](NSTimer* self) {
            victim->invalidate();
            NSTimer::scheduledTimerWithTimeInterval(
                0.25, [&](NSTimer*) { ++inner; }, false);
            self->invalidate();
        },
        true);
    loop().advance(2.0);
    EXPECT_EQ(inner, 1);
}

TEST_F(RunLoopTest, APeriodOfZeroOrLessRepeatsAtThePlatformFloorWithoutStallingTheClock)
{
    int fired = 0;
    NSTimer::scheduledTimerWithTimeInterval(
        0.0, [&](NSTimer*) { ++fired; }, true);
    NSTimer::scheduledTimerWithTimeInterval(
        -5.0, [&](NSTimer*) { ++fired; }, true);
    loop().advance(0.01);
    EXPECT_NEAR(fired, 200, 2);
    EXPECT_DOUBLE_EQ(loop().now(), 1000.01);
}

TEST_F(RunLoopTest, BackgroundWorkAndItsHandBackFinishBeforeTheClockMoves)
{
    std::vector<std::string> events;
    std::thread::id mainThread = std::this_thread::get_id();
    dispatch_async(dispatch_get_global_queue(DISPATCH_QUEUE_PRIORITY_DEFAULT, 0), [&] {
        bool onWorker = std::this_thread::get_id() != mainThread;
        dispatch_async(dispatch_get_main_queue(),
            [&, onWorker] { events.push_back(onWorker ? "handed back from worker" : "ran on main"); });
    });
    NSTimer::scheduledTimerWithTimeInterval(
        0.1, [&](NSTimer*) { events.push_back("timer"); }, false);
    loop().advance(0.1);
    EXPECT_EQ(events, (std::vector<std::string> { "handed back from worker", "timer" }));
}

TEST_F(RunLoopTest, DelayedCallsRunOnceAtTheirTime)
{
    double ranAt = -1;
    dispatch_after(5.0, dispatch_get_main_queue(), [&] { ranAt = loop().now(); });
    loop().advance(4.9);
    EXPECT_EQ(ranAt, -1);
    loop().advance(0.2);
    EXPECT_DOUBLE_EQ(ranAt, 1005.0);
}

TEST_F(RunLoopTest, ResetDropsTimersOfTheOldProcess)
{
    int fired = 0;
    NSTimer::scheduledTimerWithTimeInterval(
        1.0, [&](NSTimer*) { ++fired; }, true);
    loop().reset(0);
    loop().advance(5);
    EXPECT_EQ(fired, 0);
}

TEST(DispatchOnceTest, RunsOncePerProcessAndRefusesRecursion)
{
    static dispatch_once_t token;
    int runs = 0;
    objc::Runtime::beginProcess();
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&] { dispatch_once(&token, [&] { ++runs; }); });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(runs, 1);
    objc::Runtime::beginProcess();
    dispatch_once(&token, [&] { ++runs; });
    EXPECT_EQ(runs, 2);

    static dispatch_once_t recursive;
    EXPECT_THROW(dispatch_once(&recursive, [] { dispatch_once(&recursive, [] {}); }), std::logic_error);
}
