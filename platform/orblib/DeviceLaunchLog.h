#pragma once

#include <string>
#include <vector>

namespace orblib {

// What the support library was asked to open, in order. It belongs to the device: the host and
// tests read it, a restarted host keeps it, and any thread may use it.
class DeviceLaunchLog {
public:
    struct Launch {
        // The operation used: "activateApplication:", "activateApplicationPromptToUnlockIfNecessary:"
        // or "launchURLPromptToUnlockIfNecessary:".
        std::string operation;
        // The app's bundle identifier, or the address.
        std::string target;
        // A prompting form ran while the lock screen was up: the user was asked to unlock first
        // (whether that takes a passcode is the host's to say).
        bool unlockAsked { false };

        bool operator==(const Launch&) const = default;
    };

    static std::vector<Launch> launches();
    static void record(Launch);
    static void clear();
};

} // namespace orblib
