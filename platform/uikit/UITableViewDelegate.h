#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/CGGeometry.h"

#include <memory>

class NSIndexPath;
class UITableView;
class UIView;

// Answers the table uses instead of its own defaults when it is laid out.
inline constexpr CGFloat UITableViewAutomaticDimension = -1;

// What a table asks of its delegate about heights and section views. A height left at
// UITableViewAutomaticDimension takes the table's rowHeight, sectionHeaderHeight or
// sectionFooterHeight.
class UITableViewDelegate {
public:
    virtual ~UITableViewDelegate() = default;

    // tableView:heightForRowAtIndexPath:
    virtual CGFloat heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&)
    {
        return UITableViewAutomaticDimension;
    }
    // tableView:heightForHeaderInSection:
    virtual CGFloat heightForHeaderInSection(UITableView*, NSInteger)
    {
        return UITableViewAutomaticDimension;
    }
    // tableView:heightForFooterInSection:
    virtual CGFloat heightForFooterInSection(UITableView*, NSInteger)
    {
        return UITableViewAutomaticDimension;
    }
    // tableView:viewForHeaderInSection:
    virtual std::shared_ptr<UIView> viewForHeaderInSection(UITableView*, NSInteger) { return nullptr; }
    // tableView:viewForFooterInSection:
    virtual std::shared_ptr<UIView> viewForFooterInSection(UITableView*, NSInteger) { return nullptr; }
};
