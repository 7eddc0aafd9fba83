#pragma once

#include "objc/Make.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/UIViewController.h"

#include <memory>

class LMSettings;
class UITableView;

// The schedule and notification table in the middle of the panel.
class LMTableViewController : public UIViewController,
                              public UITableViewDataSource,
                              public UITableViewDelegate {
    OBJC_CLASS(LMTableViewController, UIViewController)
public:
    explicit LMTableViewController(objc::ConstructionKey) { }

    // Makes the controller and its table (what `new` does).
    static std::shared_ptr<LMTableViewController> create();

    const std::shared_ptr<UITableView>& tableView() const { return m_tableView; }
    static constexpr double cellHeight = 40.0;

    // Places the table inside the panel's bounds, between the clock and the strips below.
    void changeFrame(CGRect rect);
    // Starts a reload of the schedule and the notifications unless one is in flight.
    void reloadTableViewData();
    // Reloads even while a reload is in flight.
    void forceReloadTableViewData();
    // Lays the rows out again from the current data.
    void refreshTableViewLayout();
    bool hasLoadedDataAtLeastOnce() const { return m_hasLoadedDataAtLeastOnce; }

    NSInteger numberOfSectionsInTableView(UITableView*) override;
    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override;
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>&) override;

private:
    friend struct objc::Construction;
    void init();

    std::shared_ptr<LMSettings> m_settings;
    std::shared_ptr<UITableView> m_tableView;
    bool m_hasLoadedDataAtLeastOnce { false };
    bool m_isCurrentlyReloadingData { false };
};
