#include "springboard/SBNotificationCenterViewController.h"

#include "contracts/SBNotificationCenterViewController.h"

namespace springboard {

void SBNotificationCenterViewController::registerMethods(Class cls)
{
    cls->addMethod(contracts::SBNotificationCenterViewController::_loadStatusBar,
        objc::implementation<&SBNotificationCenterViewController::ownLoadStatusBar>);
}

void SBNotificationCenterViewController::loadStatusBar()
{
    contracts::SBNotificationCenterViewController::_loadStatusBar(this);
}

} // namespace springboard
