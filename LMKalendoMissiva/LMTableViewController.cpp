#include "LMKalendoMissiva/LMTableViewController.h"

#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMScheduleGatherer.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableCellBuilder.h"
#include "LMKalendoMissiva/LMTableLayoutHost.h"
#include "LMKalendoMissiva/LMTableSections.h"
#include "LMKalendoMissiva/LMTableSummaryViews.h"
#include "base/LMEnums.h"
#include "base/LMResourceBundle.h"
#include "contracts/OBImageFactory.h"
#include "contracts/OBNotificationsProvider.h"
#include "dispatch/Queue.h"
#include "foundation/NSBundle.h"
#include "foundation/NSDate.h"
#include "objc/ClassRef.h"
#include "settings/LMSettings.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UILabel.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"

#include <algorithm>
#include <cmath>

namespace {

std::shared_ptr<UIImage> loadBulletImage()
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    auto bundle = NSBundle::initWithPath(LMResourceBundlePath);
    if (!bundle)
        return nullptr;
    auto image = UIImage::imageWithContentsOfFile(bundle->pathForResource("Bullet", "png"));
    return contracts::OBImageFactory::image(imageFactoryClass, std::move(image), CGSizeMake(7.5, 7.5));
}

double headerTransparency(bool stronger)
{
    return stronger ? static_cast<double>(0.3f) : static_cast<double>(0.1f);
}

} // namespace

std::shared_ptr<LMTableViewController> LMTableViewController::create()
{
    auto controller = objc::make<LMTableViewController>();
    LMNotificationTable::setPanelTable(controller);
    return controller;
}

void LMTableViewController::init()
{
    m_settings = LMSettings::sharedInstance();
    m_bulletImage = loadBulletImage();
    m_kalendoSectionHeaderTransparency = headerTransparency(m_settings->kalendoStrongerColorEnabled());
    m_kalendoRowTransparencyWhenAutoColored = m_kalendoSectionHeaderTransparency / 2;
    m_missivaSectionHeaderTransparency = headerTransparency(m_settings->missivaStrongerColorEnabled());
    m_missivaRowTransparencyWhenAutoColored = m_missivaSectionHeaderTransparency / 2;

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
    // What the table shows stays until the gathering lands: the table asks for the rows that come
    // into view as it scrolls, and they must be the rows it counted.
    std::uint64_t generation = ++m_reloadGeneration;

    static objc::ClassRef storeClass { "EKEventStore" };
    auto store = contracts::shared<contracts::EKEventStore>(storeClass, contracts::EKEventStore::new_);
    auto start = NSDate::date();
    auto end = LMScheduleGatherer::windowEnd(start, m_settings->kalendoDaysFromNow());
    std::weak_ptr<LMTableViewController> weakSelf = objc::retain(this);

    auto finish = [weakSelf, generation, store, start, end](contracts::EKEventStore::Reminders reminders) {
        dispatch_async(dispatch_get_main_queue(), [=] {
            if (auto self = weakSelf.lock())
                self->finishReload(generation, store.get(), start, end, reminders);
        });
    };
    dispatch_async(
        dispatch_get_global_queue(DISPATCH_QUEUE_PRIORITY_DEFAULT, 0), [store, start, end, finish] {
            auto predicate = store
                ? store->predicateForIncompleteRemindersWithDueDateStarting(start, end, std::nullopt)
                : nullptr;
            // Without a reminders predicate the notifications are still gathered: a calendar problem
            // must not leave the notification half loading for ever.
            if (!predicate)
                return finish(std::nullopt);
            store->fetchRemindersMatchingPredicate(predicate, finish);
        });
}

void LMTableViewController::finishReload(std::uint64_t generation, contracts::EKEventStore* store,
    const std::shared_ptr<NSDate>& start, const std::shared_ptr<NSDate>& end,
    contracts::EKEventStore::Reminders reminders)
{
    if (generation != m_reloadGeneration)
        return;
    m_schedule = LMScheduleGatherer::gather(*m_settings, store, start, end, std::move(reminders));
    m_notificationData.clear();
    m_notificationSectionsData.clear();
    m_hasAnyNotifications = false;
    m_notificationCount = 0;
    gatherNotifications(1);
    // This table builds its headers as soon as it reloads, so the flags that the summary lines
    // read are settled first.
    m_isCurrentlyReloadingData = false;
    m_hasLoadedDataAtLeastOnce = true;
    // The panel reloads every ten seconds while it is lit, and mostly finds what it shows already,
    // or the same with a summary line that counts down to the next item.
    auto contents = shownContents();
    if (m_shownContents && *m_shownContents == contents)
        return;
    if (m_shownContents && m_shownContents->sameButSummaries(contents)) {
        std::vector<NSInteger> lines;
        if (m_shownContents->eventsSummary != contents.eventsSummary)
            lines.push_back(sectionForEventsHeader());
        if (m_shownContents->notificationsSummary != contents.notificationsSummary)
            lines.push_back(sectionForNotificationsHeader());
        m_shownContents = std::move(contents);
        m_tableView->reloadSections(lines);
        return;
    }
    m_shownContents = std::move(contents);
    m_tableView->reloadData();
}

LMTableContents LMTableViewController::shownContents() const
{
    LMTableContents::Surroundings surroundings;
    surroundings.settingsGeneration = m_settings->generation();
    surroundings.width = cellWidth();
    surroundings.collapsed = m_sectionsCollapsedState;
    LMTableContents::addClock(surroundings);
    return LMTableContents::of(m_schedule, m_notificationData, m_notificationSectionsData,
        std::move(surroundings), summaryText("events"), summaryText("notifications"));
}

void LMTableViewController::gatherNotifications(int key)
{
    static objc::ClassRef providerClass { "OBNotificationsProvider" };
    auto catalogue = contracts::shared<contracts::OBNotificationCatalogue>(
        providerClass, contracts::OBNotificationsProvider::currentNotificationsCatalogue);
    if (!catalogue)
        return;
    for (auto& section : catalogue->sections()) {
        if (!section)
            continue;
        auto rows = section->rows();
        m_notificationCount += static_cast<std::int32_t>(rows.size());
        if (rows.empty())
            continue;
        m_hasAnyNotifications = true;
        m_notificationData[std::to_string(key)] = std::move(rows);
        m_notificationSectionsData[std::to_string(key)] = section;
        ++key;
    }
}

void LMTableViewController::forceReloadTableViewData()
{
    m_isCurrentlyReloadingData = false;
    reloadTableViewData();
}

void LMTableViewController::refreshTableViewLayout()
{
    if (m_isCurrentlyReloadingData)
        return;
    m_shownContents = shownContents();
    m_tableView->reloadData();
}

std::shared_ptr<UIImage> LMTableViewController::bulletImage(const std::shared_ptr<UIColor>& color)
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    if (!color)
        return m_bulletImage;
    auto& tinted = m_tintedBulletImages[color->hexString()];
    if (!tinted)
        tinted = contracts::OBImageFactory::image(imageFactoryClass, m_bulletImage, color);
    return tinted;
}

std::vector<std::string> LMTableViewController::calendarBlacklist() const
{
    return LMScheduleGatherer::calendarBlacklist(*m_settings);
}

std::string LMTableViewController::timeUntilNextEvent() const
{
    return LMScheduleGatherer::timeUntilNextEvent(m_schedule.secondsUntilNextEvent);
}

CGFloat LMTableViewController::cellWidth() const
{
    return m_tableView->width();
}

bool LMTableViewController::isCollapsed(const std::string& identifier) const
{
    auto state = m_sectionsCollapsedState.find(identifier);
    return state != m_sectionsCollapsedState.end() && state->second;
}

LMTableSections LMTableViewController::sections() const
{
    return LMTableSections(*m_settings,
        { .hasAnyReminders = hasAnyReminders(),
            .hasAnyEvents = hasAnyEvents(),
            .hasAnyNotifications = m_hasAnyNotifications,
            .scheduleLists = m_schedule.eventData.size(),
            .notificationLists = m_notificationData.size() });
}

std::int32_t LMTableViewController::sectionForEventsHeader() const
{
    return sections().eventsHeader();
}

std::int32_t LMTableViewController::sectionForNotificationsHeader() const
{
    return sections().notificationsHeader();
}

std::int32_t LMTableViewController::sectionForNotificationsFooter() const
{
    return sections().footer();
}

NSInteger LMTableViewController::numberOfSectionsInTableView(UITableView*)
{
    return sections().count();
}

const LMEventList* LMTableViewController::eventList(NSInteger section) const
{
    auto list = m_schedule.eventData.find(std::to_string(section));
    return list == m_schedule.eventData.end() || list->second.empty() ? nullptr : &list->second;
}

const LMNotificationList* LMTableViewController::notificationList(NSInteger key) const
{
    auto list = m_notificationData.find(std::to_string(key));
    return list == m_notificationData.end() || list->second.empty() ? nullptr : &list->second;
}

NSInteger LMTableViewController::numberOfRowsInSection(UITableView*, NSInteger section)
{
    NSInteger events = sectionForEventsHeader();
    NSInteger notifications = sectionForNotificationsHeader();
    if (section == events || section == notifications)
        return 0;
    if (events < section && section < notifications) {
        auto list = eventList(section);
        if (!list || isCollapsed(list->front()->type().value_or("")))
            return 0;
        return static_cast<NSInteger>(list->size()) - 1;
    }
    if (section > notifications) {
        auto key = std::to_string(section - notifications);
        auto list = notificationList(section - notifications);
        auto owner = m_notificationSectionsData.find(key);
        if (!list || owner == m_notificationSectionsData.end() || !owner->second->sectionApp())
            return 0;
        return isCollapsed(owner->second->sectionID()) ? 0 : static_cast<NSInteger>(list->size());
    }
    return 0;
}

CGFloat LMTableViewController::heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&)
{
    return cellHeight;
}

CGFloat LMTableViewController::heightForHeaderInSection(UITableView*, NSInteger section)
{
    if (section == sectionForEventsHeader() || section == sectionForNotificationsHeader())
        return cellHeight * 0.65;
    return cellHeight;
}

CGFloat LMTableViewController::heightForFooterInSection(UITableView*, NSInteger)
{
    return cellHeight * 0.25;
}

std::shared_ptr<UIView> LMTableViewController::viewForHeaderInSection(UITableView*, NSInteger section)
{
    NSInteger events = sectionForEventsHeader();
    NSInteger notifications = sectionForNotificationsHeader();
    if (section == events)
        return sectionHeaderViewForType("events");
    if (section == notifications)
        return sectionHeaderViewForType("notifications");
    if (section == sectionForNotificationsFooter() && m_settings->dismissAllNotificationsButtonEnabled())
        return notificationFooterView();
    if (events < section && section < notifications)
        return eventHeaderViewAtSection(section);
    if (section > notifications)
        return notificationHeaderViewAtSection(section);
    return nullptr;
}

std::shared_ptr<UITableViewCell> LMTableViewController::cellForRowAtIndexPath(
    UITableView*, const std::shared_ptr<NSIndexPath>& indexPath)
{
    NSInteger section = indexPath->section();
    NSInteger notifications = sectionForNotificationsHeader();
    if (sectionForEventsHeader() < section && section < notifications)
        return cellForEventAtIndexPath(indexPath);
    if (section > notifications)
        return cellForNotificationAtIndexPath(indexPath);
    return LMTableCellBuilder::plainCell();
}

std::string LMTableViewController::summaryText(const std::string& type) const
{
    LMTableSummary summary { .hasLoadedDataAtLeastOnce = m_hasLoadedDataAtLeastOnce,
        .hasAnythingScheduled = hasAnythingScheduled(),
        .nextEventType = nextEventType().value_or(""),
        .timeUntilNextEvent
        = type == "events" && hasAnythingScheduled() ? timeUntilNextEvent() : std::string(),
        .hasAnyNotifications = m_hasAnyNotifications,
        .notificationCount = m_notificationCount };
    return LMTableSummaryViews::summaryText(summary, *m_settings, type);
}

std::shared_ptr<UIView> LMTableViewController::sectionHeaderViewForType(const std::string& type)
{
    return LMTableSummaryViews::summaryLine(cellWidth(), summaryText(type), *m_settings, type);
}
