#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <optional>
#include <string>

class NSDate;
class UIColor;
namespace contracts {
class EKCalendarItem;
}

// One calendar event or one reminder, as the table shows it.
class LMEventItem : public NSObject {
    OBJC_CLASS(LMEventItem, NSObject)
public:
    // initFromCalendarItem:
    static std::shared_ptr<LMEventItem> initFromCalendarItem(std::shared_ptr<contracts::EKCalendarItem>);

    const std::shared_ptr<contracts::EKCalendarItem>& calendarItem() const { return m_calendarItem; }
    // "event" or "reminder"; nothing for any other source.
    const std::optional<std::string>& type() const { return m_type; }
    const std::string& title() const { return m_title; }
    const std::shared_ptr<NSDate>& date() const { return m_date; }
    const std::shared_ptr<NSDate>& endDate() const { return m_endDate; }
    const std::shared_ptr<UIColor>& color() const { return m_color; }
    const std::optional<std::string>& notes() const { return m_notes; }
    const std::optional<std::string>& location() const { return m_location; }
    bool isNow() const { return m_isNow; }
    void setIsNow(bool now) { m_isNow = now; }

private:
    std::shared_ptr<contracts::EKCalendarItem> m_calendarItem;
    std::optional<std::string> m_type;
    std::string m_title;
    std::shared_ptr<NSDate> m_date;
    std::shared_ptr<NSDate> m_endDate;
    std::shared_ptr<UIColor> m_color;
    std::optional<std::string> m_notes;
    std::optional<std::string> m_location;
    bool m_isNow { false };
};
