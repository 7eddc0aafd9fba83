#include "springboard/SBConferenceManager.h"

#include "springboard/Device.h"
#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBConferenceManager::registerMethods(Class cls)
{
    registerSharedInstance<SBConferenceManager>(cls);
}

bool SBConferenceManager::activeFaceTimeCallExists()
{
    return currentDevice().faceTimeCall.active;
}

bool SBConferenceManager::faceTimeInvitationExists()
{
    return currentDevice().faceTimeCall.incoming;
}

} // namespace springboard
