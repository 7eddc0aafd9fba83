#include "overlays/LMLockScreenDim.h"

#include "contracts/SBBacklightController.h"
#include "objc/ClassRef.h"

void LMResetLockScreenDimIfEnabled(bool enabled)
{
    if (!enabled)
        return;
    static objc::ClassRef backlightClass { "SBBacklightController" };
    if (auto backlight = contracts::shared<contracts::SBBacklightController>(backlightClass))
        backlight->resetLockScreenIdleTimer();
}
