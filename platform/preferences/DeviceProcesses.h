#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace preferences {

// The device's processes as seen from a process running on it. `system` stands for the standard
// call: no command ever runs on this machine. "killall NAME" asks the device to end the process
// NAME; whoever runs the device takes the request and restarts it (the home-screen host comes
// back at once, as on a phone). Any other command is not found on the device (status 127).
// Every command is recorded.
class DeviceProcesses {
public:
    static int system(std::string_view command);

    // The processes asked to end since the last call, oldest first.
    static std::vector<std::string> takeKillRequests();
    static const std::vector<std::string>& commands();
};

} // namespace preferences
