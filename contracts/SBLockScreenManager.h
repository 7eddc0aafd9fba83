#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

class SBLockScreenManager {
public:
    static inline const objc::Message<void()> noteMenuButtonDown { "noteMenuButtonDown" };

    virtual ~SBLockScreenManager() = default;
    // True while the lock screen is up.
    virtual bool isUILocked() = 0;
};

} // namespace contracts
