#include "serve/DeviceLoop.h"

#include "serve/JsonText.h"

#include "InputError.h"

#include <nlohmann/json.hpp>

#include <future>
#include <memory>

DeviceLoop::DeviceLoop(Simulator& simulator, const OutputFolder& output)
    : m_device(simulator, output)
{ }

std::optional<DeviceLoop::Reply> DeviceLoop::call(Work work, std::chrono::milliseconds timeout, Effect effect)
{
    auto promise = std::make_shared<std::promise<Reply>>();
    auto reply = promise->get_future();
    bool taken = m_jobs.post([this, promise, effect, work = std::move(work)] {
        Reply made;
        try {
            made = work(m_device);
        } catch (const InputError& error) {
            made = { 400, jsonText({ { "error", error.what() } }) };
        } catch (const std::exception& error) {
            made = { 500, jsonText({ { "error", error.what() } }) };
        }
        // Published before the reply leaves, so a page that hears back can count on the frame.
        if (effect == Effect::changes)
            publish();
        made.frameVersion = m_feed.latest().frameVersion;
        promise->set_value(std::move(made));
    });
    if (!taken || reply.wait_for(timeout) != std::future_status::ready)
        return std::nullopt;
    try {
        return reply.get();
    } catch (const std::future_error&) {
        return std::nullopt;
    }
}

void DeviceLoop::publish()
{
    if (auto frame = m_watcher.look(m_device.simulator()))
        m_feed.publishFrame(std::move(frame->png), frame->geometry);
    auto state = jsonText(m_device.state());
    if (state != m_lastState) {
        m_feed.publishState(state);
        m_lastState = std::move(state);
    }
}

void DeviceLoop::run(const std::function<bool()>& stopRequested)
{
    auto next = std::chrono::steady_clock::now();
    while (!stopRequested() && !m_feed.closed()) {
        next += tickInterval;
        auto now = std::chrono::steady_clock::now();
        if (next < now)
            next = now + tickInterval;
        m_jobs.runUntil(next);
        if (m_device.running()) {
            m_device.tick();
            publish();
        }
    }
}

void DeviceLoop::shutDown()
{
    m_jobs.close();
    m_feed.close();
}
