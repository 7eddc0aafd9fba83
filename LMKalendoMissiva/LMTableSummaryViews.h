#pragma once

#include "uikit/CGGeometry.h"

#include <cstdint>
#include <memory>
#include <string>

class LMSettings;
class UIView;

// What the two summary lines say of one reload.
struct LMTableSummary {
    bool hasLoadedDataAtLeastOnce { false };
    bool hasAnythingScheduled { false };
    std::string nextEventType;
    std::string timeUntilNextEvent;
    bool hasAnyNotifications { false };
    std::int32_t notificationCount { 0 };
};

// The two summary lines of the table and its "Dismiss All Notifications" footer.
class LMTableSummaryViews {
public:
    // For "events" or "notifications".
    static std::string summaryText(const LMTableSummary&, const LMSettings&, const std::string& type);
    static std::shared_ptr<UIView> summaryLine(
        CGFloat width, std::string text, const LMSettings&, const std::string& type);
    static std::shared_ptr<UIView> footer(CGFloat width, const LMSettings&);
};
