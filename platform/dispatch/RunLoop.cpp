#include "dispatch/RunLoop.h"

#include "dispatch/NSTimer.h"
#include "objc/Runtime.h"

#include <algorithm>
#include <iterator>
#include <pthread.h>
#include <sched.h>

namespace dispatch {
namespace {

bool later(const auto& a, const auto& b)
{
    return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
}

} // namespace

RunLoop& RunLoop::main()
{
    static RunLoop loop;
    return loop;
}

RunLoop::RunLoop()
    : m_worker([this] { workerLoop(); })
{
    objc::Runtime::atEveryProcessEnd(objc::ProcessEndStage::Timers, [this] { dropEverything(); });
    // Closing overlays and releasing windows may still schedule work; none of it may reach the
    // next process.
    objc::Runtime::atEveryProcessEnd(objc::ProcessEndStage::ProcessState, [this] { dropEverything(); });
}

RunLoop::~RunLoop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_condition.notify_all();
    m_worker.join();
}

void RunLoop::reset(CFAbsoluteTime start)
{
    dropEverything();
    m_now.store(start, std::memory_order_release);
}

void RunLoop::dropEverything()
{
    // Releasing what a block held may schedule more: drop until nothing is left.
    for (;;) {
        waitForBackground();
        std::vector<Entry> dropped;
        std::deque<std::function<void()>> droppedBlocks;
        {
            std::lock_guard lock(m_mutex);
            if (m_entries.empty() && m_mainQueue.empty())
                return;
            dropped.swap(m_entries);
            droppedBlocks.swap(m_mainQueue);
        }
        // Released outside the lock: destroying a timer's owner may touch the loop.
        for (auto& entry : dropped) {
            if (entry.timer)
                entry.timer->invalidate();
        }
        dropped.clear();
        droppedBlocks.clear();
    }
}

void RunLoop::schedule(Entry entry)
{
    std::lock_guard lock(m_mutex);
    entry.sequence = ++m_sequence;
    m_entries.push_back(std::move(entry));
    std::push_heap(m_entries.begin(), m_entries.end(), later<Entry, Entry>);
}

void RunLoop::addTimer(std::shared_ptr<NSTimer> timer)
{
    if (!timer)
        return;
    CFAbsoluteTime due = timer->fireDate();
    schedule(Entry { due, 0, std::move(timer), {} });
}

void RunLoop::post(std::function<void()> block)
{
    std::lock_guard lock(m_mutex);
    m_mainQueue.push_back(std::move(block));
}

void RunLoop::postAfter(NSTimeInterval delay, std::function<void()> block)
{
    schedule(Entry { now() + std::max(0.0, delay), 0, nullptr, std::move(block) });
}

void RunLoop::runInBackground(std::function<void()> block)
{
    keepWorkerBesideCaller();
    {
        std::lock_guard lock(m_mutex);
        m_backgroundQueue.push_back(std::move(block));
    }
    m_condition.notify_all();
}

// The loop waits for its background work before going on, so the worker gains nothing from a
// processor of its own; woken on another one it costs that processor an interrupt, which on a
// virtual machine was three quarters of the panel's 10-second reload. It follows whoever posts.
void RunLoop::keepWorkerBesideCaller()
{
    int processor = sched_getcpu();
    if (processor < 0 || processor == m_workerProcessor.load(std::memory_order_relaxed))
        return;
    cpu_set_t processors;
    CPU_ZERO(&processors);
    CPU_SET(processor, &processors);
    if (pthread_setaffinity_np(m_worker.native_handle(), sizeof processors, &processors) == 0)
        m_workerProcessor.store(processor, std::memory_order_relaxed);
}

void RunLoop::workerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_condition.wait(lock, [this] { return m_stopping || !m_backgroundQueue.empty(); });
        if (m_stopping && m_backgroundQueue.empty())
            return;
        auto block = std::move(m_backgroundQueue.front());
        m_backgroundQueue.pop_front();
        ++m_backgroundRunning;
        lock.unlock();
        block();
        block = nullptr;
        lock.lock();
        --m_backgroundRunning;
        m_condition.notify_all();
    }
}

void RunLoop::waitForBackground()
{
    std::unique_lock lock(m_mutex);
    m_condition.wait(lock, [this] { return m_backgroundQueue.empty() && m_backgroundRunning == 0; });
}

void RunLoop::runUntilIdle()
{
    for (;;) {
        waitForBackground();
        std::function<void()> block;
        {
            std::lock_guard lock(m_mutex);
            if (m_mainQueue.empty()) {
                if (m_backgroundQueue.empty() && m_backgroundRunning == 0)
                    return;
                continue;
            }
            block = std::move(m_mainQueue.front());
            m_mainQueue.pop_front();
        }
        block();
    }
}

bool RunLoop::popDueEntry(CFAbsoluteTime limit, Entry& out, std::vector<Entry>& dropped)
{
    std::lock_guard lock(m_mutex);
    auto stale = std::partition(m_entries.begin(), m_entries.end(),
        [](const Entry& entry) { return !entry.timer || entry.timer->isValid(); });
    if (stale != m_entries.end()) {
        std::move(stale, m_entries.end(), std::back_inserter(dropped));
        m_entries.erase(stale, m_entries.end());
        std::make_heap(m_entries.begin(), m_entries.end(), later<Entry, Entry>);
    }
    if (m_entries.empty() || m_entries.front().due > limit)
        return false;
    std::pop_heap(m_entries.begin(), m_entries.end(), later<Entry, Entry>);
    out = std::move(m_entries.back());
    m_entries.pop_back();
    return true;
}

void RunLoop::advance(NSTimeInterval seconds)
{
    const CFAbsoluteTime target = now() + std::max(0.0, seconds);
    runUntilIdle();
    Entry entry;
    std::vector<Entry> dropped;
    while (popDueEntry(target, entry, dropped)) {
        dropped.clear();
        if (entry.due > now())
            m_now.store(entry.due, std::memory_order_release);
        if (entry.timer) {
            auto timer = std::move(entry.timer);
            if (timer->isValid()) {
                timer->fire();
                if (timer->isValid() && timer->repeats()) {
                    timer->setFireDate(entry.due + timer->effectiveInterval());
                    addTimer(std::move(timer));
                } else {
                    timer->invalidate();
                }
            }
        } else {
            auto block = std::move(entry.block);
            block();
        }
        runUntilIdle();
    }
    dropped.clear();
    m_now.store(target, std::memory_order_release);
    runUntilIdle();
}

size_t RunLoop::scheduledTimerCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<size_t>(std::count_if(m_entries.begin(), m_entries.end(),
        [](const Entry& entry) { return entry.timer && entry.timer->isValid(); }));
}

} // namespace dispatch
