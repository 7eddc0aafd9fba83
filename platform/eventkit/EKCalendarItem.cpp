#include "eventkit/EKCalendarItem.h"

namespace eventkit {

EKCalendarItem::EKCalendarItem(std::string title, std::optional<std::string> notes,
    std::optional<std::string> location, std::shared_ptr<contracts::EKCalendar> calendar)
    : m_title(std::move(title))
    , m_notes(std::move(notes))
    , m_location(std::move(location))
    , m_calendar(std::move(calendar))
{ }

} // namespace eventkit
