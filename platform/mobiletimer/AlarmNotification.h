#pragma once

#include "mobiletimer/Alarm.h"
#include "objc/NSObject.h"

#include <memory>

class NSDate;

namespace mobiletimer {

// The scheduled notification of one alarm's next ringing, as SBClockDataProvider holds it.
class AlarmNotification : public NSObject {
    OBJC_CLASS(AlarmNotification, NSObject)
public:
    AlarmNotification(Alarm::Settings alarm, std::shared_ptr<NSDate> fireDate)
        : m_alarm(std::move(alarm))
        , m_fireDate(std::move(fireDate))
    { }

    const Alarm::Settings& alarm() const { return m_alarm; }
    const std::shared_ptr<NSDate>& fireDate() const { return m_fireDate; }

private:
    Alarm::Settings m_alarm;
    std::shared_ptr<NSDate> m_fireDate;
};

} // namespace mobiletimer
