#pragma once

#include "contracts/EKEvent.h"
#include "eventkit/CalendarRecords.h"
#include "eventkit/EKCalendarItem.h"

namespace eventkit {

class EKEvent : public EKCalendarItem, public contracts::EKEvent {
    OBJC_CLASS(EKEvent, EKCalendarItem)
public:
    EKEvent(const EventRecord&, std::shared_ptr<contracts::EKCalendar>);

    std::shared_ptr<NSDate> startDate() override { return m_startDate; }
    std::shared_ptr<NSDate> endDate() override { return m_endDate; }

private:
    std::shared_ptr<NSDate> m_startDate;
    std::shared_ptr<NSDate> m_endDate;
};

} // namespace eventkit
