#pragma once

#include "serve/ScriptRecorder.h"
#include "serve/VirtualClock.h"

#include "ScriptRunner.h"

#include <nlohmann/json_fwd.hpp>

#include <span>
#include <sstream>
#include <string>

class OutputFolder;
class Simulator;

// The simulated phone as the page drives it, on the device thread alone. Everything the page does
// runs as a script command through the scripts' own runner (a gesture becomes `tap`, `swipe`,
// ...), so it meets the same touch path and the same virtual time, and can be recorded.
class LiveDevice {
public:
    struct Outcome {
        std::string line;
        std::string output;
        // An expectation not met, a target that names no view: the command stopped there.
        bool failed { false };
    };

    LiveDevice(Simulator&, const OutputFolder&);

    // The scripts given on the command line, before the page opens; what they print goes to `echo`.
    // Throws ScriptFailure as a script run does.
    void runAtStart(std::span<const Command>, std::ostream& echo);
    // Throws InputError for a line that is not a command, or cannot run at all (a point off the
    // screen); nothing has happened then.
    Outcome run(const std::string& line);
    // Throws InputError as run does, or for a malformed gesture.
    Outcome gesture(const nlohmann::json&);

    // Runs the virtual time the clock owes.
    void tick();
    void setSpeed(double);
    void step(double seconds);
    bool running() const { return m_clock.running(); }

    ScriptRecorder& recorder() { return m_recorder; }
    nlohmann::json state() const;
    Simulator& simulator() { return m_simulator; }

private:
    void advance(double seconds);

    Simulator& m_simulator;
    std::ostringstream m_output;
    ScriptRunner m_runner;
    ScriptRecorder m_recorder;
    VirtualClock m_clock;
};
