#pragma once

#include "uikit/UIView.h"

class UITableView;

namespace springboard {

// The lock screen's list of notifications: a clear table, one row a notification.
// not implemented: notifications (the list stays empty)
class SBLockScreenNotificationListView : public UIView {
    OBJC_CLASS(SBLockScreenNotificationListView, UIView)
public:
    static std::shared_ptr<SBLockScreenNotificationListView> create();

    const std::shared_ptr<UITableView>& tableView() const { return m_tableView; }
    void layoutSubviews() override;

private:
    std::shared_ptr<UITableView> m_tableView;
};

} // namespace springboard
