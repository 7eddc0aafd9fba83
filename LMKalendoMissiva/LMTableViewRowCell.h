#pragma once

#include "uikit/NSIndexPath.h"
#include "uikit/UITableViewCell.h"

// A row of the schedule and notification table that remembers where it stands, for its taps.
class LMTableViewRowCell : public UITableViewCell {
    OBJC_CLASS(LMTableViewRowCell, UITableViewCell)
public:
    LMTableViewRowCell(
        UITableViewCellStyle style, std::string reuseIdentifier, std::shared_ptr<NSIndexPath> indexPath)
        : UITableViewCell(style, std::move(reuseIdentifier))
        , m_indexPath(std::move(indexPath))
    { }
    // initWithStyle:reuseIdentifier:indexPath:
    static std::shared_ptr<LMTableViewRowCell> initWithStyle(
        UITableViewCellStyle style, std::string reuseIdentifier, std::shared_ptr<NSIndexPath> indexPath)
    {
        return std::make_shared<LMTableViewRowCell>(style, std::move(reuseIdentifier), std::move(indexPath));
    }

    const std::shared_ptr<NSIndexPath>& indexPath() const { return m_indexPath; }

private:
    std::shared_ptr<NSIndexPath> m_indexPath;
};
