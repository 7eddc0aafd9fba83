#include "springboard/SBLockScreenNotificationListView.h"

#include "uikit/UIColor.h"
#include "uikit/UITableView.h"

namespace springboard {

std::shared_ptr<SBLockScreenNotificationListView> SBLockScreenNotificationListView::create()
{
    auto list = std::make_shared<SBLockScreenNotificationListView>();
    list->m_tableView = UITableView::create();
    list->m_tableView->setAccessibilityIdentifier("_tableView");
    list->m_tableView->setBackgroundColor(UIColor::clearColor());
    list->m_tableView->setSeparatorStyle(UITableViewCellSeparatorStyleNone);
    list->addSubview(list->m_tableView);
    return list;
}

void SBLockScreenNotificationListView::layoutSubviews()
{
    m_tableView->setFrame(bounds());
}

} // namespace springboard
