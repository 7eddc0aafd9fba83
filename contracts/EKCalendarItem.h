#pragma once

#include "contracts/EKCalendar.h"

#include <memory>
#include <optional>
#include <string>

namespace contracts {

// What events and reminders share.
class EKCalendarItem {
public:
    virtual ~EKCalendarItem() = default;
    virtual std::string title() = 0;
    virtual std::optional<std::string> notes() = 0;
    virtual std::optional<std::string> location() = 0;
    virtual std::shared_ptr<EKCalendar> calendar() = 0;
};

} // namespace contracts
