#pragma once

#include "contracts/SBTelephonyManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBTelephonyManager : public NSObject, public contracts::SBTelephonyManager {
    OBJC_CLASS(SBTelephonyManager, NSObject)
public:
    static std::shared_ptr<SBTelephonyManager> create() { return std::make_shared<SBTelephonyManager>(); }
    static std::shared_ptr<SBTelephonyManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBTelephonyManager>();
    }
    static void registerMethods(Class);

    bool inCall() override { return m_inCall; }
    bool incomingCallExists() override { return m_incomingCall; }
    void setCallState(bool inCall, bool incoming)
    {
        m_inCall = inCall;
        m_incomingCall = incoming;
    }

private:
    bool m_inCall { false };
    bool m_incomingCall { false };
};

} // namespace springboard
