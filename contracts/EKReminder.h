#pragma once

#include "contracts/EKCalendarItem.h"

class NSDate;

namespace contracts {

// A reminder; its due date may be missing.
class EKReminder : public virtual EKCalendarItem {
public:
    virtual std::shared_ptr<NSDate> dueDate() = 0;
    virtual bool isCompleted() = 0;
};

} // namespace contracts
