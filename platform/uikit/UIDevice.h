#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>

// The device as the toolkit reports it. Whoever boots the host sets what it answers.
class UIDevice : public NSObject {
    OBJC_CLASS(UIDevice, NSObject)
public:
    static std::shared_ptr<UIDevice> currentDevice();

    const std::string& systemVersion() const { return m_systemVersion; }
    void setSystemVersion(std::string version) { m_systemVersion = std::move(version); }

private:
    std::string m_systemVersion { "9.3" };
};
