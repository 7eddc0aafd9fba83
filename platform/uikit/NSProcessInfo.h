#pragma once

#include "objc/NSObject.h"

#include <memory>

// The running process as the system describes it. Low-power mode belongs to the device: whoever
// boots it sets it, and a restarted host sees the same.
class NSProcessInfo : public NSObject {
    OBJC_CLASS(NSProcessInfo, NSObject)
public:
    static std::shared_ptr<NSProcessInfo> processInfo();

    bool isLowPowerModeEnabled() const;
    static void setLowPowerModeEnabled(bool);
};
