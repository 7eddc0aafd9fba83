#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

// What every page sees, handed from the device thread to the connections that push it: the
// screen's latest frame and the device's latest state, each as a ready server-sent event. A
// reader that falls behind skips to the newest; nothing queues up for it.
class ScreenFeed {
public:
    struct Edition {
        // Grows with every frame or state published.
        std::uint64_t version { 0 };
        std::uint64_t frameVersion { 0 };
        std::uint64_t stateVersion { 0 };
        std::shared_ptr<const std::string> frameEvent;
        std::shared_ptr<const std::string> stateEvent;
        std::shared_ptr<const std::string> png;
    };

    // The screen's size in points, and its pixels a point.
    struct Geometry {
        double width { 0 };
        double height { 0 };
        double scale { 1 };
    };

    // The device thread's side. Returns the frame's version.
    std::uint64_t publishFrame(std::string png, Geometry);
    void publishState(const std::string& stateJson);
    // Wakes every reader for good.
    void close();

    // The newest edition after `seen`, once there is one; nothing after `timeout`, or once closed.
    std::optional<Edition> waitNewer(std::uint64_t seen, std::chrono::milliseconds timeout) const;
    Edition latest() const;
    bool closed() const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    Edition m_edition;
    bool m_closed { false };
};
