#pragma once

#include "contracts/SBBacklightController.h"
#include "dispatch/RunLoop.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

#include <optional>

class NSTimer;

namespace springboard {

// The display's backlight and the lock screen's idle countdown. While the display is lit and
// the lock screen is up, the countdown runs for defaultLockScreenDimInterval (asked through the
// runtime each time it starts, so a replacement sets it); when it runs out the display turns
// off. A touch or resetLockScreenIdleTimer starts it again.
// not implemented: dimming before the display turns off, auto-lock on the home screen
class SBBacklightController : public NSObject, public contracts::SBBacklightController {
    OBJC_CLASS(SBBacklightController, NSObject)
public:
    static std::shared_ptr<SBBacklightController> create()
    {
        return std::make_shared<SBBacklightController>();
    }
    static std::shared_ptr<SBBacklightController> sharedInstance()
    {
        return dispatch::sharedInstance<SBBacklightController>();
    }
    static void registerMethods(Class);

    // SpringBoard's own dim interval for the lock screen, in seconds.
    static constexpr double ownLockScreenDimInterval = 8.0;
    double defaultLockScreenDimInterval()
    {
        return contracts::SBBacklightController::defaultLockScreenDimInterval(this);
    }

    void resetLockScreenIdleTimer() override;
    bool screenIsOn() override;
    bool screenIsOff() override { return !screenIsOn(); }

    // The display goes dark: the device locks, the countdown stops, and the lock-screen
    // controller hears _handleDisplayTurnedOff.
    void turnDisplayOff();
    // The display lights up: the lock screen is laid out again and the countdown starts.
    void turnDisplayOn();
    // When the running countdown turns the display off; nothing while none runs.
    std::optional<CFAbsoluteTime> idleTimerFireDate() const;

private:
    double ownDefaultLockScreenDimInterval() { return ownLockScreenDimInterval; }
    void idleTimerFired();

    std::shared_ptr<NSTimer> m_idleTimer;
};

} // namespace springboard
