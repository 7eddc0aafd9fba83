#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

class SBTelephonyManager {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>()> sharedTelephonyManager {
        "sharedTelephonyManager"
    };

    virtual ~SBTelephonyManager() = default;
    virtual bool inCall() = 0;
    virtual bool incomingCallExists() = 0;
};

} // namespace contracts
