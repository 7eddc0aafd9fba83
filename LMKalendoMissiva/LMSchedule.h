#pragma once

#include "LMKalendoMissiva/LMEventItem.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using LMEventList = std::vector<std::shared_ptr<LMEventItem>>;

// The schedule half of a reload: at most two non-empty lists, keyed "1" and "2"; "1" holds the
// next item.
struct LMSchedule {
    std::map<std::string, LMEventList> eventData;
    int secondsUntilNextEvent { -1 };
    std::optional<std::string> nextEventType;
    bool hasAnyReminders { false };
    bool hasAnyEvents { false };

    bool hasAnythingScheduled() const { return hasAnyReminders || hasAnyEvents; }
};
