#include "springboard/SBLockScreenManager.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBLockScreenManager::registerMethods(Class cls)
{
    registerSharedInstance<SBLockScreenManager>(cls);
    cls->addMethod(contracts::SBLockScreenManager::noteMenuButtonDown,
        objc::implementation<&SBLockScreenManager::ownNoteMenuButtonDown>);
}

} // namespace springboard
