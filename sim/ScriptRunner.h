#pragma once

#include "Command.h"
#include "OutputFolder.h"
#include "SettingsSession.h"

#include <iosfwd>
#include <span>

class Simulator;

// Runs checked commands on the simulator, one after the other. Paths of the files written, and
// what print asks for, go to `out`. A command that meets the device as it stands and cannot
// proceed (an expectation not met, a target naming no view) throws ScriptFailure naming its line.
class ScriptRunner {
public:
    // What the commands print goes to `out`; notices that a command did nothing go to `notices`.
    ScriptRunner(Simulator&, const OutputFolder&, std::ostream& out, std::ostream& notices);

    void run(std::span<const Command>);
    void run(const Command&);

private:
    [[noreturn]] void fail(const Command&, const std::string& what) const;
    // Whether the device has the page; says so when it does not, and the run goes on.
    bool onlyOnSystem9(const Command&, const std::string& page) const;
    std::shared_ptr<UIView> view(const Command&, const Target&) const;
    // The probe's view; nothing only where its property reads missing views.
    std::shared_ptr<UIView> view(const Command&, const Probe&) const;
    // The finger's point; a point given off the screen is an InputError.
    CGPoint point(const Command&) const;
    static void checkOnScreen(const Command&, CGPoint, const std::string& text);
    void expect(const Command&) const;
    void print(const Command&) const;
    void runSettingsVerb(const Command&);

    Simulator& m_simulator;
    const OutputFolder& m_output;
    std::ostream& m_out;
    std::ostream& m_notices;
    SettingsSession m_settings;
};
