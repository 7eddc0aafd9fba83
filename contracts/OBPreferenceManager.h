#pragma once

#include "objc/Message.h"

#include <memory>
#include <string>

namespace contracts {

// The support library's reader of one preference file. Made with the class-side
// initWithContentsOfFile:, it answers every key, with the fallback (as text) when the file does
// not hold it or could not be read.
class OBPreferenceManager {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>(std::string)> initWithContentsOfFile {
        "initWithContentsOfFile:"
    };

    virtual ~OBPreferenceManager() = default;

    // The stored object, or an NSString holding the fallback; never nothing.
    virtual std::shared_ptr<NSObject> valueForkey(
        const std::string& key, const std::string& fallback) const = 0;
};

} // namespace contracts
