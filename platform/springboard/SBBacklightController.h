#pragma once

#include "contracts/SBBacklightController.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

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
    bool screenIsOn() override { return m_screenOn; }
    bool screenIsOff() override { return !m_screenOn; }

private:
    double ownDefaultLockScreenDimInterval() { return ownLockScreenDimInterval; }

    bool m_screenOn { true };
};

} // namespace springboard
