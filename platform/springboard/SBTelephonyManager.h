#pragma once

#include "contracts/SBTelephonyManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

// Phone calls, as the device has them.
class SBTelephonyManager : public NSObject, public contracts::SBTelephonyManager {
    OBJC_CLASS(SBTelephonyManager, NSObject)
public:
    static std::shared_ptr<SBTelephonyManager> create() { return std::make_shared<SBTelephonyManager>(); }
    static std::shared_ptr<SBTelephonyManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBTelephonyManager>();
    }
    static void registerMethods(Class);

    bool inCall() override;
    bool incomingCallExists() override;
};

} // namespace springboard
