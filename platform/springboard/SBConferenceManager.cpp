#include "springboard/SBConferenceManager.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBConferenceManager::registerMethods(Class cls)
{
    registerSharedInstance<SBConferenceManager>(cls);
}

} // namespace springboard
