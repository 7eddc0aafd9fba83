#pragma once

#include "DeviceRoot.h"
#include "OutputFolder.h"
#include "Simulator.h"

#include <string>

// The demo device as lumora-sim boots it, on a fresh temporary disk, after the script given has
// run (script commands, a line each; none leaves it just booted). Its process ends with it.
class DemoPhone {
public:
    explicit DemoPhone(const std::string& script = "advance 6s\n");

    // Booted as `lumora-sim -e 'set idleTimerDuration 100000' -e respring` boots it, so that the
    // screen stays lit for days unless turned off.
    static constexpr const char* staysLit = "set idleTimerDuration 100000\nrespring\nadvance 6s\n";

    void run(const std::string& script);
    void advance(double seconds) { m_simulator.advance(seconds); }
    Simulator& simulator() { return m_simulator; }
    OutputFolder& output() { return m_output; }

private:
    DeviceRoot m_root;
    OutputFolder m_output;
    Simulator m_simulator;
};
