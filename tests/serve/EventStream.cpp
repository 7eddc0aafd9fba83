#include "serve/EventStream.h"

#include <nlohmann/json.hpp>

EventStream::EventStream(int port)
    : m_client("127.0.0.1", port)
{
    m_client.set_read_timeout(60, 0);
    m_thread = std::thread([this] {
        m_client.Get("/events", [this](const char* data, size_t length) {
            std::lock_guard lock(m_mutex);
            m_buffer.append(data, length);
            for (auto end = m_buffer.find("\n\n"); end != std::string::npos; end = m_buffer.find("\n\n")) {
                take(m_buffer.substr(0, end));
                m_buffer.erase(0, end + 2);
            }
            m_arrived.notify_all();
            return true;
        });
    });
}

EventStream::~EventStream()
{
    m_client.stop();
    m_thread.join();
}

void EventStream::take(const std::string& event)
{
    static const std::string frame = "event: frame\ndata: ";
    if (event.rfind(frame, 0) != 0)
        return;
    auto parsed = nlohmann::json::parse(event.substr(frame.size()), nullptr, false);
    if (parsed.is_discarded())
        return;
    m_frameVersion = parsed["version"].get<std::uint64_t>();
    m_picture = parsed["png"].get<std::string>();
}

bool EventStream::waitForFrame(std::uint64_t version, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_frameVersion >= version; });
}

std::uint64_t EventStream::frameVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_frameVersion;
}

std::string EventStream::framePicture() const
{
    std::lock_guard lock(m_mutex);
    return m_picture;
}
