#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// Work for the device thread, handed in by the server's threads: the device and its run loop are
// touched by that one thread alone, so a page never races the scripts' model of time.
class JobQueue {
public:
    using Job = std::function<void()>;
    // More waiting than this means the device is stuck or flooded: callers are told to retry.
    static constexpr size_t capacity = 64;

    // Any thread. False when full or closed: the job is not run.
    bool post(Job);
    // The device thread: runs the jobs that arrive until `deadline`; true when any ran.
    bool runUntil(std::chrono::steady_clock::time_point deadline);
    // Jobs not yet run are dropped (whoever waits on them hears of a broken promise).
    void close();

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<Job> m_jobs;
    bool m_closed { false };
};
