#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

class Alarm;

class AlarmManager {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>()> sharedManager { "sharedManager" };

    virtual ~AlarmManager() = default;
    virtual void loadAlarms() = 0;
    virtual void addAlarm(const std::shared_ptr<Alarm>& alarm, bool active) = 0;
    virtual void saveAlarms() = 0;
};

} // namespace contracts
