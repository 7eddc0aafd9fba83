#include "springboard/SBTelephonyManager.h"

#include "springboard/Device.h"
#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBTelephonyManager::registerMethods(Class cls)
{
    registerSharedInstance<SBTelephonyManager>(cls, contracts::SBTelephonyManager::sharedTelephonyManager);
}

bool SBTelephonyManager::inCall()
{
    return currentDevice().phoneCall.active;
}

bool SBTelephonyManager::incomingCallExists()
{
    return currentDevice().phoneCall.incoming;
}

} // namespace springboard
