#include "serve/ScreenFeed.h"

#include "serve/Base64.h"

#include <nlohmann/json.hpp>

namespace {

std::shared_ptr<const std::string> event(const std::string& name, const std::string& json)
{
    return std::make_shared<const std::string>("event: " + name + "\ndata: " + json + "\n\n");
}

} // namespace

std::uint64_t ScreenFeed::publishFrame(std::string png, Geometry geometry)
{
    // Only the device thread publishes, so the version read here is the one this frame gets.
    auto version = latest().version + 1;
    nlohmann::json frame { { "version", version }, { "width", geometry.width }, { "height", geometry.height },
        { "scale", geometry.scale }, { "png", Base64::encode(png) } };
    auto frameEvent = event("frame", frame.dump());
    auto bytes = std::make_shared<const std::string>(std::move(png));
    {
        std::lock_guard lock(m_mutex);
        m_edition.version = m_edition.frameVersion = version;
        m_edition.frameEvent = std::move(frameEvent);
        m_edition.png = std::move(bytes);
    }
    m_changed.notify_all();
    return version;
}

void ScreenFeed::publishState(const std::string& stateJson)
{
    auto state = event("state", stateJson);
    {
        std::lock_guard lock(m_mutex);
        m_edition.stateVersion = ++m_edition.version;
        m_edition.stateEvent = std::move(state);
    }
    m_changed.notify_all();
}

void ScreenFeed::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
}

std::optional<ScreenFeed::Edition> ScreenFeed::waitNewer(
    std::uint64_t seen, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    if (!m_changed.wait_for(lock, timeout, [&] { return m_closed || m_edition.version > seen; }) || m_closed)
        return std::nullopt;
    return m_edition;
}

ScreenFeed::Edition ScreenFeed::latest() const
{
    std::lock_guard lock(m_mutex);
    return m_edition;
}

bool ScreenFeed::closed() const
{
    std::lock_guard lock(m_mutex);
    return m_closed;
}
