#pragma once

#include "foundation/NSDictionary.h"

#include <string_view>

namespace mobiletimer {

// The Clock's property list on the device's disk. Alarms and the timer keep their own keys in
// it; each writes its keys and leaves the others as they are.
class ClockStoreFile {
public:
    static constexpr std::string_view path
        = "/private/var/mobile/Library/Preferences/com.apple.mobiletimer.plist";

    // Nothing when the file is missing or is not a dictionary.
    static NSDictionary::Entries read();
    // Sets the keys given, keeping the others; false when the device has no disk to write to.
    static bool write(const NSDictionary::Entries& changes);
};

} // namespace mobiletimer
