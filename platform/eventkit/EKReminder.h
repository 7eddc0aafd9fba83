#pragma once

#include "contracts/EKReminder.h"
#include "eventkit/CalendarRecords.h"
#include "eventkit/EKCalendarItem.h"

namespace eventkit {

class EKReminder : public EKCalendarItem, public contracts::EKReminder {
    OBJC_CLASS(EKReminder, EKCalendarItem)
public:
    EKReminder(const ReminderRecord&, std::shared_ptr<contracts::EKCalendar>);

    std::shared_ptr<NSDate> dueDate() override { return m_dueDate; }
    bool isCompleted() override { return m_completed; }

private:
    std::shared_ptr<NSDate> m_dueDate;
    bool m_completed;
};

} // namespace eventkit
