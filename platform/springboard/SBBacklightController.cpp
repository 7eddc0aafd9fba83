#include "springboard/SBBacklightController.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBBacklightController::registerMethods(Class cls)
{
    registerSharedInstance<SBBacklightController>(cls);
    cls->addMethod(contracts::SBBacklightController::defaultLockScreenDimInterval,
        objc::implementation<&SBBacklightController::ownDefaultLockScreenDimInterval>);
}

void SBBacklightController::resetLockScreenIdleTimer()
{ }

} // namespace springboard
