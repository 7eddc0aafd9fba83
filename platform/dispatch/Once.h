#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// One-time initialisation, safe against concurrent first calls. "Once" means once per
// simulated process: when a new one begins, the block runs again on the next call, as it would
// in a freshly started process. Calling it again from inside its own block is a programming
// error (the platform deadlocks); here it throws std::logic_error.
struct dispatch_once_t {
    std::atomic<std::uint64_t> doneInGeneration { 0 };
    std::mutex mutex;
    std::atomic<std::thread::id> runner {};
};

void dispatch_once(dispatch_once_t* token, const std::function<void()>& block);
