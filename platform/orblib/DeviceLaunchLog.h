#pragma once

#include <cstdint>
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
        // The device was locked, so the user was asked to unlock first (the host decides whether
        // that takes a passcode).
        bool unlockAsked { false };
        // It opened: at once, or once the device was unlocked. False while the passcode prompt
        // waits, and for good when the user cancelled it.
        bool opened { true };

        bool operator==(const Launch&) const = default;
    };

    static std::vector<Launch> launches();
    // A number that names the launch for markOpened.
    static std::uint64_t record(Launch);
    // Nothing when the launch was cleared since.
    static void markOpened(std::uint64_t launch);
    static void clear();
};

} // namespace orblib
