#include "springboard/SBAppStatusBarManager.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBAppStatusBarManager::registerMethods(Class cls)
{
    registerSharedInstance<SBAppStatusBarManager>(cls);
}

} // namespace springboard
