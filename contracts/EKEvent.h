#pragma once

#include "contracts/EKCalendarItem.h"

class NSDate;

namespace contracts {

// One occurrence of a calendar event: a repeating event gives one per occurrence.
class EKEvent : public virtual EKCalendarItem {
public:
    virtual std::shared_ptr<NSDate> startDate() = 0;
    virtual std::shared_ptr<NSDate> endDate() = 0;
};

} // namespace contracts
