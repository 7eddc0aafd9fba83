#pragma once

#include "contracts/SBConferenceManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

// Video calls, as the device has them.
class SBConferenceManager : public NSObject, public contracts::SBConferenceManager {
    OBJC_CLASS(SBConferenceManager, NSObject)
public:
    static std::shared_ptr<SBConferenceManager> create() { return std::make_shared<SBConferenceManager>(); }
    static std::shared_ptr<SBConferenceManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBConferenceManager>();
    }
    static void registerMethods(Class);

    bool activeFaceTimeCallExists() override;
    bool faceTimeInvitationExists() override;
};

} // namespace springboard
