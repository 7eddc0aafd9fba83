#pragma once

#include "serve/FrameWatcher.h"
#include "serve/JobQueue.h"
#include "serve/LiveDevice.h"
#include "serve/ScreenFeed.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The device thread's loop: runs what the server's threads hand in, lets virtual time run as the
// clock says, and after each of these publishes the screen and the device's state when they
// changed. It runs on the thread that booted the simulator.
class DeviceLoop {
public:
    // What a request gets back, made on the device thread.
    struct Reply {
        int status { 200 };
        std::string body;
        std::string contentType { "application/json" };
        // The screen's frame once the work was done (sent as the header X-Lumora-Frame).
        std::uint64_t frameVersion { 0 };
    };
    using Work = std::function<Reply(LiveDevice&)>;
    // Frames while time runs; a change made by a request shows at once.
    static constexpr std::chrono::milliseconds tickInterval { 50 };

    DeviceLoop(Simulator&, const OutputFolder&);

    // What a piece of work may do: only read the device, or change it (then the screen and state
    // are published before the reply leaves).
    enum class Effect { reads, changes };

    // Any thread: runs `work` on the device thread and gives its reply; nothing when the device is
    // flooded or stopping, or `timeout` passed first.
    std::optional<Reply> call(Work, std::chrono::milliseconds timeout, Effect = Effect::changes);
    // The device thread, until `stopRequested` says so (asked at least every tickInterval).
    void run(const std::function<bool()>& stopRequested);
    // Publishes the screen and state now, on the device thread (before the loop runs).
    void publish();
    // Any thread: no more work is taken, and every page's stream ends.
    void shutDown();

    ScreenFeed& feed() { return m_feed; }
    // The device thread only.
    LiveDevice& device() { return m_device; }

private:
    LiveDevice m_device;
    FrameWatcher m_watcher;
    JobQueue m_jobs;
    ScreenFeed m_feed;
    std::string m_lastState;
};
