#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

// A page's stream of server-sent events, read on a thread of its own: the frames it was sent.
class EventStream {
public:
    explicit EventStream(int port);
    ~EventStream();

    // Waits until a frame of at least this version came; false after `timeout`.
    bool waitForFrame(std::uint64_t version, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::uint64_t frameVersion() const;
    // The latest frame's picture, as sent (base64).
    std::string framePicture() const;

private:
    void take(const std::string& event);

    httplib::Client m_client;
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::string m_buffer;
    std::uint64_t m_frameVersion { 0 };
    std::string m_picture;
    std::thread m_thread;
};
