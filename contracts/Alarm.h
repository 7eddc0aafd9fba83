#pragma once

#include "contracts/ClassMessages.h"

#include <string>

class NSDate;

namespace contracts {

// One alarm of the Clock store.
class Alarm {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>()> initWithDefaultValues {
        "initWithDefaultValues"
    };
    // From an alarm notification (SBClockDataProvider's fields).
    static inline const objc::Message<std::shared_ptr<NSObject>(std::shared_ptr<NSObject>)>
        initWithNotification { "initWithNotification:" };

    virtual ~Alarm() = default;
    virtual void setAllowsSnooze(bool) = 0;
    virtual void setHour(int) = 0;
    virtual void setMinute(int) = 0;
    virtual void setTitle(const std::string&) = 0;
    virtual std::shared_ptr<NSDate> nextFireDate() = 0;
};

} // namespace contracts
