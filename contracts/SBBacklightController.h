#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// SpringBoard's display backlight and the lock screen's idle countdown.
class SBBacklightController {
public:
    static inline const objc::Message<double()> defaultLockScreenDimInterval {
        "defaultLockScreenDimInterval"
    };

    virtual ~SBBacklightController() = default;
    // Restarts the idle countdown, so the screen dims only a full interval later.
    virtual void resetLockScreenIdleTimer() = 0;
    virtual bool screenIsOn() = 0;
    virtual bool screenIsOff() = 0;
};

} // namespace contracts
