#pragma once

#include "contracts/SBApplication.h"
#include "objc/NSObject.h"

#include <string>

namespace orblib {

// An installed app as the support library hands it out with an app item.
class OBApplication : public NSObject, public contracts::SBApplication {
    OBJC_CLASS(OBApplication, NSObject)
public:
    OBApplication(std::string bundleIdentifier, std::string displayName)
        : m_bundleIdentifier(std::move(bundleIdentifier))
        , m_displayName(std::move(displayName))
    { }

    std::string displayName() override { return m_displayName; }
    std::string bundleIdentifier() override { return m_bundleIdentifier; }

private:
    std::string m_bundleIdentifier;
    std::string m_displayName;
};

} // namespace orblib
