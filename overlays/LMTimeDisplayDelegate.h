#pragma once

#include "base/LMEnums.h"

#include <optional>
#include <string>

// What the alarm and timer overlay feeds, once a second, to the view that shows the next alarm
// and the running timer.
class LMTimeDisplayDelegate {
public:
    virtual void setIsAnAlarmActive(bool active) = 0;
    virtual void setNextAlarmFireTime(std::string time) = 0;
    virtual void setTimerState(LMTimerState state) = 0;
    // The remaining time or "Timer Paused"; nothing while no timer runs.
    virtual void setTimerTimeRemaining(std::optional<std::string> remaining) = 0;

protected:
    ~LMTimeDisplayDelegate() = default;
};
