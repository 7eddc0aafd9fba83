#pragma once

#include "contracts/EKCalendar.h"
#include "eventkit/CalendarRecords.h"
#include "objc/NSObject.h"

namespace eventkit {

// A calendar as it was when the store handed it out.
class EKCalendar : public NSObject, public contracts::EKCalendar {
    OBJC_CLASS(EKCalendar, NSObject)
public:
    explicit EKCalendar(const CalendarRecord&);

    std::string title() override { return m_title; }
    std::shared_ptr<UIColor> CGColor() override { return m_colour; }

private:
    std::string m_title;
    std::shared_ptr<UIColor> m_colour;
};

} // namespace eventkit
