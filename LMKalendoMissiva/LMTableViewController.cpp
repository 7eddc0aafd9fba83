#include "LMKalendoMissiva/LMTableViewController.h"

#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableLayoutHost.h"
#include "base/LMEnums.h"
#include "settings/LMSettings.h"
#include "uikit/UILabel.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"

#include <algorithm>
#include <cmath>

std::shared_ptr<LMTableViewController> LMTableViewController::create()
{
    return objc::make<LMTableViewController>();
}

void LMTableViewController::init()
{
    m_settings = LMSettings::sharedInstance();

    m_tableView = UITableView::create(CGRectZero, UITableViewStyleGrouped);
    m_tableView->setAccessibilityIdentifier("_tableView");
    auto self = objc::retain(this);
    m_tableView->setDataSource(std::static_pointer_cast<UITableViewDataSource>(self));
    m_tableView->setDelegate(std::static_pointer_cast<UITableViewDelegate>(self));
    m_tableView->setShowsVerticalScrollIndicator(false);
    m_tableView->setBackgroundColor(UIColor::clearColor());
    m_tableView->setSeparatorColor(UIColor::clearColor());
    m_tableView->setSeparatorStyle(UITableViewCellSeparatorStyleNone);
    m_tableView->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    m_tableView->setAlwaysBounceVertical(false);
    m_tableView->setAllowsSelection(false);

    LMSingleEventDisplayView::sharedInstance();
    LMSingleNotificationDisplayView::sharedInstance();
    LMClearAllNotificationsDisplayView::sharedInstance();
}

void LMTableViewController::changeFrame(CGRect rect)
{
    CGFloat width = rect.size.width;
    CGFloat height = rect.size.height;
    auto panel = m_tableView->superview();
    auto* host = dynamic_cast<const LMTableLayoutHost*>(panel.get());
    CGRect label = CGRectZero;
    if (auto timeDateLabel
        = objc_getIvarNamed<std::shared_ptr<UILabel>>(host ? panel.get() : nullptr, "_timeDateLabel"))
        label = timeDateLabel->frame();
    CGFloat top = std::trunc(label.origin.y + 1.5 * label.size.height);
    CGFloat tableHeight = std::trunc(height - top - 10);

    // Where the music strip begins, while it shows.
    std::optional<CGFloat> melodraTop;
    if (auto frame = host ? host->shownMelodraFrame() : std::nullopt)
        melodraTop = frame->origin.y;
    auto aboveMelodra = [&](CGFloat stripTop) { return std::trunc(tableHeight - (height - stripTop + 10)); };
    if (m_settings->skipraEnabled()) {
        if (melodraTop)
            tableHeight = aboveMelodra(*melodraTop);
        else if (auto launcher = host ? host->launcherFrame() : std::nullopt)
            tableHeight = std::trunc(tableHeight - (height - launcher->origin.y + 5));
    } else if (melodraTop) {
        tableHeight = aboveMelodra(*melodraTop);
    } else if (LMLocationFromStored(m_settings->location()) == LMLocation::todayPage) {
        tableHeight = std::trunc(tableHeight - 0.05 * std::max(width, height));
    }
    // Only a screen far smaller than any device's could leave no room; the table then collapses
    // rather than taking a negative height.
    m_tableView->setFrame(CGRectMake(20, top, width - 40, std::max<CGFloat>(tableHeight, 0)));
}

void LMTableViewController::reloadTableViewData()
{
    if (m_isCurrentlyReloadingData)
        return;
    m_isCurrentlyReloadingData = true;
    m_tableView->reloadData();
    m_isCurrentlyReloadingData = false;
    m_hasLoadedDataAtLeastOnce = true;
}

void LMTableViewController::forceReloadTableViewData()
{
    m_isCurrentlyReloadingData = false;
    reloadTableViewData();
}

void LMTableViewController::refreshTableViewLayout()
{
    if (!m_isCurrentlyReloadingData)
        m_tableView->reloadData();
}

NSInteger LMTableViewController::numberOfSectionsInTableView(UITableView*)
{
    return 0;
}

NSInteger LMTableViewController::numberOfRowsInSection(UITableView*, NSInteger)
{
    return 0;
}

std::shared_ptr<UITableViewCell> LMTableViewController::cellForRowAtIndexPath(
    UITableView*, const std::shared_ptr<NSIndexPath>&)
{
    auto cell = UITableViewCell::create();
    cell->setBackgroundColor(UIColor::clearColor());
    return cell;
}
