#pragma once

#include "contracts/AppListFilePath.h"

#include <span>
#include <string>
#include <string_view>

namespace orblib {

// The file in which the support library's app chooser keeps the apps a user chose for a tweak:
// one line per app, its bundle identifier, in the order chosen, each line ended by a line feed.
class AppListFile {
public:
    static constexpr std::string_view devicePath = contracts::appListFilePath;

    // Replaces the file on the device's disk whole or not at all, making its folder when missing;
    // false when the disk cannot take it. No apps gives an empty file: a choice of none, not the
    // absence of a choice.
    static bool write(std::span<const std::string> bundleIdentifiers, std::string_view path = devicePath);
    // A bundle identifier the file can hold: not empty, no line break, no ":" (which ends an entry's
    // identifier for its readers).
    static bool canHold(std::string_view bundleIdentifier);
};

} // namespace orblib
