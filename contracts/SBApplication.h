#pragma once

#include <string>

namespace contracts {

// An installed application.
class SBApplication {
public:
    virtual ~SBApplication() = default;
    virtual std::string displayName() = 0;
    virtual std::string bundleIdentifier() = 0;
};

} // namespace contracts
