#include "serve/LiveDevice.h"

#include "serve/GestureCommand.h"
#include "serve/ViewInspector.h"

#include "Script.h"
#include "ScriptFailure.h"
#include "Simulator.h"

#include "dispatch/RunLoop.h"
#include "springboard/Device.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>

namespace {

// Seconds from the platform's epoch (2001) to the Unix one, which the page's clock reads.
constexpr double unixEpochOffset = 978307200;

} // namespace

LiveDevice::LiveDevice(Simulator& simulator, const OutputFolder& output)
    : m_simulator(simulator)
    , m_runner(simulator, output, m_output, m_output)
    , m_clock(std::chrono::steady_clock::now())
{ }

void LiveDevice::runAtStart(std::span<const Command> commands, std::ostream& echo)
{
    for (auto& command : commands) {
        m_output.str({});
        try {
            m_runner.run(std::span(&command, 1));
        } catch (...) {
            echo << m_output.str();
            throw;
        }
        echo << m_output.str();
    }
}

LiveDevice::Outcome LiveDevice::run(const std::string& line)
{
    auto command = Script::parseCommand(line, "page");
    // Time the clock owes runs first, so the command lands where the person saw it land.
    tick();
    m_output.str({});
    Outcome outcome { line, {}, false };
    try {
        m_runner.run(command);
    } catch (const ScriptFailure& failure) {
        outcome.failed = true;
        outcome.output = m_output.str() + failure.what() + "\n";
        return outcome;
    }
    outcome.output = m_output.str();
    m_recorder.ran(line);
    return outcome;
}

LiveDevice::Outcome LiveDevice::gesture(const nlohmann::json& request)
{
    return run(GestureCommand::line(request, &ViewInspector::targetAt));
}

void LiveDevice::advance(double seconds)
{
    if (seconds <= 0)
        return;
    m_simulator.advance(seconds);
    m_recorder.advanced(seconds);
}

void LiveDevice::tick()
{
    advance(m_clock.due(std::chrono::steady_clock::now()));
}

void LiveDevice::setSpeed(double speed)
{
    tick();
    m_clock.setSpeed(speed, std::chrono::steady_clock::now());
}

void LiveDevice::step(double seconds)
{
    tick();
    advance(seconds);
}

nlohmann::json LiveDevice::state() const
{
    auto& device = m_simulator.host().device();
    return {
        { "time", std::floor(dispatch::RunLoop::main().now()) + unixEpochOffset },
        { "timeZone", device.timeZone },
        { "speed", m_clock.speed() },
        { "systemVersion", device.systemVersion },
        { "screenOn", device.screenOn },
        { "locked", device.locked },
        { "orientation", device.orientation },
        { "charging", device.battery.charging },
        { "lowPower", device.battery.lowPowerMode },
        { "call", device.phoneCall.active ? "active" : device.phoneCall.incoming ? "incoming" : "none" },
        { "playing", device.media.isPlaying() },
        { "recording", m_recorder.recording() },
        { "recordedLines", m_recorder.lineCount() },
    };
}
