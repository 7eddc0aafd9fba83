#pragma once

// Where the Settings app keeps Lumora's preferences on the device's disk.
namespace contracts {

inline constexpr const char* preferenceFilePath
    = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

} // namespace contracts
