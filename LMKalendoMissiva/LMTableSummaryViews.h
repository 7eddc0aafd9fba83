#pragma once

#include <memory>
#include <string>

class LMTableViewController;
class UIView;

// The two summary lines of the table and its "Dismiss All Notifications" footer.
class LMTableSummaryViews {
public:
    // For "events" or "notifications".
    static std::string summaryText(const LMTableViewController&, const std::string& type);
    static std::shared_ptr<UIView> summaryLine(const LMTableViewController&, const std::string& type);
    static std::shared_ptr<UIView> footer(const std::shared_ptr<LMTableViewController>&);
};
