#include "springboard/SBLockScreenFullscreenBulletinViewController.h"

#include "contracts/SBLockScreenFullscreenBulletinViewController.h"

namespace springboard {

using Messages = contracts::SBLockScreenFullscreenBulletinViewController;

void SBLockScreenFullscreenBulletinViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::viewDidAppear,
        objc::implementation<&SBLockScreenFullscreenBulletinViewController::ownViewDidAppear>);
    cls->addMethod(Messages::performDismissAction,
        objc::implementation<&SBLockScreenFullscreenBulletinViewController::ownPerformDismissAction>);
}

void SBLockScreenFullscreenBulletinViewController::viewDidAppear(bool animated)
{
    Messages::viewDidAppear(this, animated);
}

void SBLockScreenFullscreenBulletinViewController::performDismissAction()
{
    Messages::performDismissAction(this);
}

} // namespace springboard
