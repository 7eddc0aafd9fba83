#pragma once

#include "contracts/EKCalendarItem.h"
#include "objc/NSObject.h"

namespace eventkit {

// What events and reminders share, copied from the database when the store hands them out.
class EKCalendarItem : public NSObject, public virtual contracts::EKCalendarItem {
    OBJC_CLASS(EKCalendarItem, NSObject)
public:
    EKCalendarItem(std::string title, std::optional<std::string> notes, std::optional<std::string> location,
        std::shared_ptr<contracts::EKCalendar>);

    std::string title() override { return m_title; }
    std::optional<std::string> notes() override { return m_notes; }
    std::optional<std::string> location() override { return m_location; }
    std::shared_ptr<contracts::EKCalendar> calendar() override { return m_calendar; }

private:
    std::string m_title;
    std::optional<std::string> m_notes;
    std::optional<std::string> m_location;
    std::shared_ptr<contracts::EKCalendar> m_calendar;
};

} // namespace eventkit
