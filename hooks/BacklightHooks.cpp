#include "hooks/LumoraHooks.h"

#include "contracts/SBBacklightController.h"
#include "hooks/PanelHost.h"
#include "settings/LMSettings.h"

#include <cmath>

namespace lumora {
namespace {

// A negative or non-finite duration would turn the display off at once or never; SpringBoard's
// own interval stays in force then, as it does for one under a second.
bool isUsableDimInterval(double seconds)
{
    return std::isfinite(seconds) && std::trunc(seconds) >= 1;
}

objc::IMP<double> previousDefaultLockScreenDimInterval;
double defaultLockScreenDimInterval(id self, SEL cmd)
{
    auto settings = LMSettings::sharedInstance();
    if (PanelHost::isLockScreen(*settings)) {
        double duration = settings->idleTimerDuration();
        if (isUsableDimInterval(duration))
            return duration;
    }
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
