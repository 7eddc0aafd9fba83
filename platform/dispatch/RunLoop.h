#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class NSTimer;

// Seconds since 1 January 2001 UTC: the platform's time scale.
using CFAbsoluteTime = double;
using NSTimeInterval = double;

namespace dispatch {

// The main run loop on a virtual clock. Nothing happens until someone advances the clock:
// advance() fires every timer and delayed call at its own due time, in due order (the clock
// reads that time while it fires), and before the clock moves on it lets pending background
// work finish and runs what that work handed back to the main queue. Runs are therefore
// deterministic. The loop is driven from one thread, which is the main thread.
class RunLoop {
public:
    static RunLoop& main();

    CFAbsoluteTime now() const { return m_now.load(std::memory_order_acquire); }

    // A new simulated process: drops what is left (as at the end of a process) and sets the clock.
    void reset(CFAbsoluteTime start);
    // The end of a simulated process: waits for background work, then invalidates and drops every
    // timer and drops every queued block.
    void dropEverything();

    void addTimer(std::shared_ptr<NSTimer>);
    // The main queue: runs at the current time, after what is already queued. Any thread.
    void post(std::function<void()>);
    // A delayed call on the main thread (dispatch_after, performSelector:afterDelay:).
    void postAfter(NSTimeInterval delay, std::function<void()>);
    // A global queue: runs on a worker thread. Any thread.
    void runInBackground(std::function<void()>);

    // Runs everything due within the next `seconds` of virtual time, then leaves the clock there.
    void advance(NSTimeInterval seconds);
    // Runs queued and background work without moving the clock.
    void runUntilIdle();

    // Timers that are still scheduled and valid (for benchmarks and tests of the loop itself).
    size_t scheduledTimerCount() const;

    ~RunLoop();

private:
    RunLoop();
    struct Entry {
        CFAbsoluteTime due;
        std::uint64_t sequence;
        std::shared_ptr<NSTimer> timer; // or
        std::function<void()> block;
    };
    void schedule(Entry);
    // Drops timers that are no longer valid (invalidated, or their target gone) and hands back the
    // earliest due entry. The list may have changed since the last call: firing adds and
    // invalidates timers.
    bool popDueEntry(CFAbsoluteTime limit, Entry& out, std::vector<Entry>& dropped);
    void workerLoop();
    void waitForBackground();
    void keepWorkerBesideCaller();

    std::atomic<CFAbsoluteTime> m_now { 0 };
    std::uint64_t m_sequence { 0 };
    std::vector<Entry> m_entries; // a heap ordered by (due, sequence)

    mutable std::mutex m_mutex;
    std::condition_variable m_condition;
    std::deque<std::function<void()>> m_mainQueue;
    std::deque<std::function<void()>> m_backgroundQueue;
    size_t m_backgroundRunning { 0 };
    bool m_stopping { false };
    std::thread m_worker;
    std::atomic<int> m_workerProcessor { -1 };
};

} // namespace dispatch
