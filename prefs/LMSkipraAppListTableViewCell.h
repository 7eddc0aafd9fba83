#pragma once

#include "preferences/PSTableCell.h"

namespace contracts {
class OBAppListTableViewController;
}

// The app-choice row: it hosts the support library's list of apps, as tall as the screen, the
// list taking the top 82 % of it.
class LMSkipraAppListTableViewCell : public PSTableCell {
    OBJC_CLASS(LMSkipraAppListTableViewCell, PSTableCell)
public:
    static constexpr std::string_view appListBundleIdentifier = "com.orbelin.lumora";
    static constexpr CGFloat listShareOfScreen = 0.82;

    void initWithStyle(
        UITableViewCellStyle, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier>) override;
    void layoutSubviews() override;

    const std::shared_ptr<contracts::OBAppListTableViewController>& tableViewController() const
    {
        return m_tableViewController;
    }

private:
    std::shared_ptr<contracts::OBAppListTableViewController> m_tableViewController;
};
