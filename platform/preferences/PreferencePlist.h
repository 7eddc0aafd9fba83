#pragma once

#include <memory>
#include <string>
#include <string_view>

class NSObject;

namespace preferences {

// A preference file on the device's disk as the Settings app keeps it: read with the bounded
// property-list reader, written whole as a binary property list, other keys kept.
class PreferencePlist {
public:
    // Nothing when the file or the key is missing, or the file cannot be read.
    static std::shared_ptr<NSObject> value(std::string_view path, std::string_view key);
    // False when the file could not be written.
    static bool setValue(std::string_view path, const std::string& key, std::shared_ptr<NSObject> value);
};

} // namespace preferences
