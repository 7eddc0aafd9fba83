#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// The Clock's view of coming alarms. Its fields _nextAlarmForToday and _firstAlarmForTomorrow
// (std::shared_ptr<NSObject>) hold the notification of the next alarm, or nothing.
struct SBClockDataProvider { };

} // namespace contracts
