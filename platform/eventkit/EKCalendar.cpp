#include "eventkit/EKCalendar.h"

#include "uikit/UIColor.h"

namespace eventkit {

EKCalendar::EKCalendar(const CalendarRecord& record)
    : m_title(record.title)
    , m_colour(UIColor::colorWithRed(record.red, record.green, record.blue, 1))
{ }

} // namespace eventkit
