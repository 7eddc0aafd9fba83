#pragma once

#include <span>
#include <string>

// The launcher's apps chosen as the app chooser chooses them: its list file on the device's disk.
class ChosenApps {
public:
    // Throws std::runtime_error naming the file when the device's disk cannot take it.
    static void write(std::span<const std::string> bundleIdentifiers);
};
