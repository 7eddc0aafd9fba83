#include "eventkit/EKReminder.h"

#include "foundation/NSDate.h"

namespace eventkit {

EKReminder::EKReminder(const ReminderRecord& record, std::shared_ptr<contracts::EKCalendar> calendar)
    : EKCalendarItem(record.title, record.notes, record.location, std::move(calendar))
    , m_dueDate(record.due ? NSDate::dateWithTimeIntervalSinceReferenceDate(*record.due) : nullptr)
    , m_completed(record.completed)
{ }

} // namespace eventkit
