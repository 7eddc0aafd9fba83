#pragma once

#include "contracts/ClassMessages.h"

#include <string>

namespace contracts {

// The Clock's countdown timer. Times are seconds since 1 January 2001.
class TimerManager {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>()> sharedManager { "sharedManager" };

    virtual ~TimerManager() = default;
    virtual std::string defaultSound() = 0;
    virtual void scheduleAt(double fireTime, const std::string& sound) = 0;
    // 1 stopped, 2 paused, 3 running.
    virtual int state() = 0;
    virtual double fireTime() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void cancel() = 0;
};

} // namespace contracts
