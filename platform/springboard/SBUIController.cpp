#include "springboard/SBUIController.h"

#include "springboard/RuntimeRegistration.h"

namespace springboard {

void SBUIController::registerMethods(Class cls)
{
    registerSharedInstance<SBUIController>(cls);
    cls->addMethod(contracts::SBUIController::clickedMenuButton,
        objc::implementation<&SBUIController::ownClickedMenuButton>);
}

} // namespace springboard
