#include "springboard/SBTelephonyManager.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBTelephonyManager::registerMethods(Class cls)
{
    registerSharedInstance<SBTelephonyManager>(cls, contracts::SBTelephonyManager::sharedTelephonyManager);
}

} // namespace springboard
