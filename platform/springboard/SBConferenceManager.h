#pragma once

#include "contracts/SBConferenceManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBConferenceManager : public NSObject, public contracts::SBConferenceManager {
    OBJC_CLASS(SBConferenceManager, NSObject)
public:
    static std::shared_ptr<SBConferenceManager> create() { return std::make_shared<SBConferenceManager>(); }
    static std::shared_ptr<SBConferenceManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBConferenceManager>();
    }
    static void registerMethods(Class);

    bool activeFaceTimeCallExists() override { return m_active; }
    bool faceTimeInvitationExists() override { return m_invitation; }
    void setCallState(bool active, bool invitation)
    {
        m_active = active;
        m_invitation = invitation;
    }

private:
    bool m_active { false };
    bool m_invitation { false };
};

} // namespace springboard
