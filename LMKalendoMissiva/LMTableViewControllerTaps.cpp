#include "LMKalendoMissiva/LMTableViewController.h"

#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMNotificationLauncher.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableCellBuilder.h"
#include "LMKalendoMissiva/LMTableSummaryViews.h"
#include "LMKalendoMissiva/LMTableViewRowCell.h"
#include "LMKalendoMissiva/LMTableViewSectionHeaderCell.h"
#include "settings/LMSettings.h"
#include "uikit/UILongPressGestureRecognizer.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"
#include "uikit/UITapGestureRecognizer.h"

// The table's touch side: the header and row views that carry gestures, what each tap opens,
// and collapsing.

std::shared_ptr<UIView> LMTableViewController::notificationFooterView()
{
    auto footer = LMTableSummaryViews::footer(cellWidth(), *m_settings);
    footer->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
        objc::retain(this), &LMTableViewController::notificationFooterViewSingleTapRecognizer));
    return footer;
}

std::shared_ptr<UIView> LMTableViewController::eventHeaderViewAtSection(NSInteger section)
{
    auto header = LMTableCellBuilder(*this).eventHeader(section, eventList(section));
    if (header) {
        auto singleTap = std::make_shared<UITapGestureRecognizer>(
            objc::retain(this), &LMTableViewController::eventSectionSingleTapRecognizer);
        addSectionGestures(*header, m_settings->kalendoCollapseEnabled(), singleTap, true);
    }
    return header;
}

void LMTableViewController::addSectionGestures(UIView& header, bool collapsible,
    const std::shared_ptr<UITapGestureRecognizer>& singleTap, bool singleTapWaits)
{
    auto self = objc::retain(this);
    header.addGestureRecognizer(singleTap);
    if (!collapsible)
        return;
    auto doubleTap
        = std::make_shared<UITapGestureRecognizer>(self, &LMTableViewController::sectionDoubleTapRecognizer);
    doubleTap->setNumberOfTapsRequired(2);
    header.addGestureRecognizer(doubleTap);
    if (singleTapWaits)
        singleTap->requireGestureRecognizerToFail(doubleTap);
    header.addGestureRecognizer(std::make_shared<UILongPressGestureRecognizer>(
        self, &LMTableViewController::sectionLongPressRecognizer));
}

std::shared_ptr<UIView> LMTableViewController::notificationHeaderViewAtSection(NSInteger section)
{
    NSInteger key = section - sectionForNotificationsHeader();
    auto owner = m_notificationSectionsData.find(std::to_string(key));
    if (owner == m_notificationSectionsData.end())
        return nullptr;
    auto header
        = LMTableCellBuilder(*this).notificationHeader(section, key, owner->second, notificationList(key));
    if (objc::cast<LMTableViewSectionHeaderCell>(header)) {
        auto singleTap = std::make_shared<UITapGestureRecognizer>(
            objc::retain(this), &LMTableViewController::notificationSectionSingleTapRecognizer);
        addSectionGestures(*header, m_settings->missivaCollapseEnabled(), singleTap, false);
    }
    return header;
}

std::shared_ptr<UITableViewCell> LMTableViewController::cellForEventAtIndexPath(
    const std::shared_ptr<NSIndexPath>& indexPath)
{
    auto cell = LMTableCellBuilder(*this).eventRow(indexPath, eventList(indexPath->section()));
    if (objc::cast<LMTableViewRowCell>(cell))
        cell->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
            objc::retain(this), &LMTableViewController::eventRowSingleTapRecognizer));
    return cell;
}

std::shared_ptr<UITableViewCell> LMTableViewController::cellForNotificationAtIndexPath(
    const std::shared_ptr<NSIndexPath>& indexPath)
{
    auto list = notificationList(indexPath->section() - sectionForNotificationsHeader());
    auto cell = LMTableCellBuilder(*this).notificationRow(indexPath, list);
    if (objc::cast<LMTableViewRowCell>(cell))
        cell->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
            objc::retain(this), &LMTableViewController::notificationRowSingleTapRecognizer));
    return cell;
}

void LMTableViewController::eventSectionSingleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    auto header = objc::cast<LMTableViewSectionHeaderCell>(recognizer->view());
    if (!header)
        return;
    if (auto list = eventList(header->section()))
        showEventDisplayViewForEventItem(list->front());
}

void LMTableViewController::eventRowSingleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    auto row = objc::cast<LMTableViewRowCell>(recognizer->view());
    if (!row || !row->indexPath())
        return;
    auto list = eventList(row->indexPath()->section());
    size_t index = static_cast<size_t>(row->indexPath()->row() + 1);
    if (list && row->indexPath()->row() >= 0 && index < list->size())
        showEventDisplayViewForEventItem((*list)[index]);
}

void LMTableViewController::showEventDisplayViewForEventItem(const std::shared_ptr<LMEventItem>& item)
{
    if (!m_settings->kalendoOverlayEnabled())
        return;
    if (auto overlay = LMSingleEventDisplayView::sharedInstance()) {
        overlay->updateEventItem(item);
        overlay->show();
    }
}

void LMTableViewController::showNotificationDisplayViewForNotificationRow(
    const std::shared_ptr<contracts::OBNotificationRow>& row)
{
    if (auto overlay = LMSingleNotificationDisplayView::sharedInstance()) {
        overlay->updateRow(row);
        overlay->show();
    }
}

void LMTableViewController::notificationRowSingleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    auto cell = objc::cast<LMTableViewRowCell>(recognizer->view());
    if (!cell || !cell->indexPath())
        return;
    auto list = notificationList(cell->indexPath()->section() - sectionForNotificationsHeader());
    NSInteger index = cell->indexPath()->row();
    if (!list || index < 0 || index >= static_cast<NSInteger>(list->size()))
        return;
    const auto& row = (*list)[static_cast<size_t>(index)];
    if (m_settings->missivaOverlayEnabled())
        showNotificationDisplayViewForNotificationRow(row);
    else if (m_settings->missivaLaunchEnabled())
        LMNotificationLauncher::open(*row, m_settings->location());
}

void LMTableViewController::notificationSectionSingleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    if (auto header = objc::cast<LMTableViewSectionHeaderCell>(recognizer->view()))
        changeCollapseStateOfSectionWithIdentifier(header->identifier());
}

void LMTableViewController::sectionDoubleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    if (auto header = objc::cast<LMTableViewSectionHeaderCell>(recognizer->view()))
        changeCollapseStateOfSectionWithIdentifier(header->identifier());
}

void LMTableViewController::sectionLongPressRecognizer(UILongPressGestureRecognizer* recognizer)
{
    if (recognizer->state() != UIGestureRecognizerState::Began)
        return;
    if (auto header = objc::cast<LMTableViewSectionHeaderCell>(recognizer->view()))
        changeCollapseStateOfSectionWithIdentifier(header->identifier());
}

void LMTableViewController::notificationFooterViewSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (auto overlay = LMClearAllNotificationsDisplayView::sharedInstance())
        overlay->show();
}

void LMTableViewController::changeCollapseStateOfSectionWithIdentifier(const std::string& identifier)
{
    m_sectionsCollapsedState[identifier] = !isCollapsed(identifier);
    refreshTableViewLayout();
}
