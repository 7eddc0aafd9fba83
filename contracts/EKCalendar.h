#pragma once

#include <memory>
#include <string>

class UIColor;

namespace contracts {

// A calendar or a reminder list.
class EKCalendar {
public:
    virtual ~EKCalendar() = default;
    virtual std::string title() = 0;
    // The calendar's colour (the toolkit has one colour type, so the CGColor comes as a UIColor).
    virtual std::shared_ptr<UIColor> CGColor() = 0;
};

} // namespace contracts
