#pragma once

#include "contracts/SBApplication.h"
#include "objc/NSObject.h"

namespace springboard {

// An installed application.
class SBApplication : public NSObject, public contracts::SBApplication {
    OBJC_CLASS(SBApplication, NSObject)
public:
    SBApplication(std::string bundleIdentifier, std::string displayName)
        : m_bundleIdentifier(std::move(bundleIdentifier))
        , m_displayName(std::move(displayName))
    { }

    std::string displayName() override { return m_displayName; }
    std::string bundleIdentifier() override { return m_bundleIdentifier; }

private:
    std::string m_bundleIdentifier;
    std::string m_displayName;
};

} // namespace springboard
