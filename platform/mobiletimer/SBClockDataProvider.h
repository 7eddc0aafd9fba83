#pragma once

#include "contracts/SBClockDataProvider.h"
#include "objc/NSObject.h"

#include <memory>

namespace mobiletimer {

// SpringBoard's view of the coming alarms: the notification (an AlarmNotification) of the
// earliest active alarm still to ring today, and of the earliest to ring tomorrow, each nothing
// when there is none. They are worked out from AlarmManager's alarms and the clock whenever
// they are read, through these getters or by name as instance variables, so they are always
// current.
class SBClockDataProvider : public NSObject, public contracts::SBClockDataProvider {
    OBJC_CLASS(SBClockDataProvider, NSObject)
public:
    static std::shared_ptr<SBClockDataProvider> sharedInstance();
    static std::shared_ptr<SBClockDataProvider> create() { return std::make_shared<SBClockDataProvider>(); }

    std::shared_ptr<NSObject> nextAlarmForToday();
    std::shared_ptr<NSObject> firstAlarmForTomorrow();

    // Makes the class, with its class-side sharedInstance and its two instance variables,
    // findable by name.
    static void registerClass();

private:
    void refresh();

    std::shared_ptr<NSObject> m_nextAlarmForToday;
    std::shared_ptr<NSObject> m_firstAlarmForTomorrow;
};

} // namespace mobiletimer
