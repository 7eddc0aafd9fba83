#include "eventkit/EKEvent.h"

#include "foundation/NSDate.h"

namespace eventkit {

EKEvent::EKEvent(const EventRecord& record, std::shared_ptr<contracts::EKCalendar> calendar)
    : EKCalendarItem(record.title, record.notes, record.location, std::move(calendar))
    , m_startDate(NSDate::dateWithTimeIntervalSinceReferenceDate(record.start))
    , m_endDate(NSDate::dateWithTimeIntervalSinceReferenceDate(record.end))
{ }

} // namespace eventkit
