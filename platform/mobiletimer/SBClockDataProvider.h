#pragma once

#include "contracts/SBClockDataProvider.h"
#include "dispatch/RunLoop.h"
#include "foundation/NSTimeZone.h"
#include "mobiletimer/Alarm.h"
#include "objc/NSObject.h"

#include <memory>
#include <tuple>
#include <vector>

namespace mobiletimer {

// SpringBoard's view of the coming alarms: the notification (an AlarmNotification) of the
// earliest active alarm still to ring today, and of the earliest to ring tomorrow, each nothing
// when there is none. They are read through these getters or by name as instance variables,
// and are always current: worked out again from AlarmManager's alarms and the clock when
// either has changed in a way that can change them, kept otherwise.
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
    // What the answers were worked out from, and until when they hold.
    struct Basis {
        const NSTimeZone* timeZone { nullptr };
        NSTimeInterval computedAt { 0 };
        NSTimeInterval validUntil { 0 };
        std::vector<std::tuple<std::shared_ptr<Alarm>, Alarm::Settings, bool>> alarms;

        bool holdsAt(const std::vector<std::shared_ptr<Alarm>>&, const NSTimeZone*, NSTimeInterval now) const;
    };

    void refresh();

    Basis m_basis;
    // Keeps the zone compared by address alive, so that no other zone can take its address.
    std::shared_ptr<NSTimeZone> m_basisZone;

    std::shared_ptr<NSObject> m_nextAlarmForToday;
    std::shared_ptr<NSObject> m_firstAlarmForTomorrow;
};

} // namespace mobiletimer
