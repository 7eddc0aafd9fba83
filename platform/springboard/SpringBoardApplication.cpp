#include "springboard/SpringBoardApplication.h"

#include "springboard/Device.h"
#include "springboard/SBBacklightController.h"

namespace springboard {

long SpringBoardApplication::_getSpringBoardOrientation()
{
    return currentDevice().orientation;
}

void SpringBoardApplication::sendEvent(const std::shared_ptr<UITouch>& touch, UITouchPhase phase)
{
    auto backlight = SBBacklightController::sharedInstance();
    if (phase == UITouchPhaseBegan && backlight->screenIsOff())
        return;
    backlight->resetLockScreenIdleTimer();
    UIApplication::sendEvent(touch, phase);
}

} // namespace springboard
