#pragma once

#include <functional>
#include <string>
#include <vector>

// Every restart of the idle countdown asks for the dim interval: wrapping the request (as
// another tweak would) records each restart with what the probe sees at that moment.
void recordIdleCountdownRestarts(std::function<std::string()> probe);
// The restarts recorded so far; tests add their own steps between them.
std::vector<std::string>& recordedEvents();
