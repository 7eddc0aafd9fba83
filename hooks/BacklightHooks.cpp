#include "hooks/LumoraHooks.h"

#include "contracts/SBBacklightController.h"

namespace lumora {
namespace {

objc::IMP<double> previousDefaultLockScreenDimInterval;
double defaultLockScreenDimInterval(id self, SEL cmd)
{
    return previousDefaultLockScreenDimInterval(self, cmd);
}

} // namespace

void installBacklightHooks(const HookGroup& group)
{
    using contracts::SBBacklightController;
    group.hookClass("SBBacklightController",
        { { SBBacklightController::defaultLockScreenDimInterval, &defaultLockScreenDimInterval,
            &previousDefaultLockScreenDimInterval } });
}

} // namespace lumora
