#pragma once

#include "LMKalendoMissiva/LMNotificationTable.h"
#include "LMKalendoMissiva/LMSchedule.h"
#include "LMKalendoMissiva/LMTableCellSource.h"
#include "LMKalendoMissiva/LMTableContents.h"
#include "LMKalendoMissiva/LMTableSections.h"
#include "contracts/EKEventStore.h"
#include "objc/Make.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/UIViewController.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class LMSettings;
class NSDate;
class UIColor;
class UIImage;
class UILongPressGestureRecognizer;
class UITableView;
class UITapGestureRecognizer;
class UIView;
namespace contracts {
class OBNotificationRow;
class OBNotificationSection;
}

using LMNotificationList = std::vector<std::shared_ptr<contracts::OBNotificationRow>>;

// The schedule and notification table in the middle of the panel: a schedule summary line, up to
// two schedule sections, a notification summary line, one section per app and an optional
// "Dismiss All Notifications" footer.
//
// A reload gathers the reminders off the main thread and finishes on the main queue. Each reload
// has a generation; a forced reload starts a new one, and a gathering whose generation is no
// longer the current one is dropped when it comes back, so two gatherings never mix. A reload
// that finds what the table already shows leaves the table as it is.
class LMTableViewController : public UIViewController,
                              public UITableViewDataSource,
                              public UITableViewDelegate,
                              public LMTableCellSource,
                              public LMNotificationTable {
    OBJC_CLASS(LMTableViewController, UIViewController)
public:
    static constexpr std::int32_t absentSection = LMTableSections::absent;
    static constexpr double cellHeight = 40.0;

    explicit LMTableViewController(objc::ConstructionKey) { }

    // Makes the controller and its table (what `new` does).
    static std::shared_ptr<LMTableViewController> create();

    const std::shared_ptr<UITableView>& tableView() const { return m_tableView; }

    // Places the table inside the panel's bounds, between the clock and the strips below.
    void changeFrame(CGRect rect);
    // Starts a reload of the schedule and the notifications unless one is in flight.
    void reloadTableViewData();
    // Reloads even while a reload is in flight; the one in flight is dropped.
    void forceReloadTableViewData() override;
    // Lays the rows out again from the current data.
    void refreshTableViewLayout();

    bool hasLoadedDataAtLeastOnce() const { return m_hasLoadedDataAtLeastOnce; }
    bool isCurrentlyReloadingData() const { return m_isCurrentlyReloadingData; }

    const std::map<std::string, LMEventList>& eventData() const { return m_schedule.eventData; }
    std::int32_t secondsUntilNextEvent() const { return m_schedule.secondsUntilNextEvent; }
    const std::optional<std::string>& nextEventType() const { return m_schedule.nextEventType; }
    bool hasAnyReminders() const { return m_schedule.hasAnyReminders; }
    bool hasAnyEvents() const { return m_schedule.hasAnyEvents; }
    bool hasAnythingScheduled() const { return m_schedule.hasAnythingScheduled(); }
    std::vector<std::string> calendarBlacklist() const;
    std::string timeUntilNextEvent() const;

    const std::map<std::string, LMNotificationList>& notificationData() const { return m_notificationData; }
    const std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>>&
    notificationSectionsData() const override
    {
        return m_notificationSectionsData;
    }
    bool hasAnyNotifications() const { return m_hasAnyNotifications; }
    std::int32_t notificationCount() const { return m_notificationCount; }

    const std::map<std::string, bool>& sectionsCollapsedState() const { return m_sectionsCollapsedState; }
    bool isCollapsed(const std::string& identifier) const override;
    std::map<std::string, std::shared_ptr<UIColor>>& sectionsColorData() override
    {
        return m_sectionsColorData;
    }

    const std::shared_ptr<LMSettings>& settings() const override { return m_settings; }
    CGFloat cellWidth() const override;
    const std::shared_ptr<UIImage>& bulletImage() const { return m_bulletImage; }
    // The bullet tinted with a calendar's colour; each colour is tinted once.
    std::shared_ptr<UIImage> bulletImage(const std::shared_ptr<UIColor>&) override;
    double timeStampTransparency() const override { return m_timeStampTransparency; }
    double kalendoSectionHeaderTransparency() const override { return m_kalendoSectionHeaderTransparency; }
    double kalendoRowTransparencyWhenAutoColored() const override
    {
        return m_kalendoRowTransparencyWhenAutoColored;
    }
    double missivaSectionHeaderTransparency() const override { return m_missivaSectionHeaderTransparency; }
    double missivaRowTransparencyWhenAutoColored() const override
    {
        return m_missivaRowTransparencyWhenAutoColored;
    }

    std::int32_t sectionForEventsHeader() const;
    std::int32_t sectionForNotificationsHeader() const;
    std::int32_t sectionForNotificationsFooter() const;

    NSInteger numberOfSectionsInTableView(UITableView*) override;
    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override;
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>&) override;
    CGFloat heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&) override;
    CGFloat heightForHeaderInSection(UITableView*, NSInteger section) override;
    CGFloat heightForFooterInSection(UITableView*, NSInteger section) override;
    std::shared_ptr<UIView> viewForHeaderInSection(UITableView*, NSInteger section) override;

    // "events" or "notifications".
    std::string summaryText(const std::string& type) const;
    std::shared_ptr<UIView> sectionHeaderViewForType(const std::string& type);
    std::shared_ptr<UIView> notificationFooterView();
    std::shared_ptr<UIView> eventHeaderViewAtSection(NSInteger section);
    std::shared_ptr<UIView> notificationHeaderViewAtSection(NSInteger section);
    std::shared_ptr<UITableViewCell> cellForEventAtIndexPath(const std::shared_ptr<NSIndexPath>&);
    std::shared_ptr<UITableViewCell> cellForNotificationAtIndexPath(const std::shared_ptr<NSIndexPath>&);

    void eventSectionSingleTapRecognizer(UITapGestureRecognizer*);
    void notificationSectionSingleTapRecognizer(UITapGestureRecognizer*);
    void notificationFooterViewSingleTapRecognizer(UITapGestureRecognizer*);
    void sectionDoubleTapRecognizer(UITapGestureRecognizer*);
    void sectionLongPressRecognizer(UILongPressGestureRecognizer*);
    void eventRowSingleTapRecognizer(UITapGestureRecognizer*);
    void notificationRowSingleTapRecognizer(UITapGestureRecognizer*);
    void changeCollapseStateOfSectionWithIdentifier(const std::string& identifier);
    void showEventDisplayViewForEventItem(const std::shared_ptr<LMEventItem>&);
    void showNotificationDisplayViewForNotificationRow(const std::shared_ptr<contracts::OBNotificationRow>&);

private:
    friend struct objc::Construction;
    void init();
    void finishReload(std::uint64_t generation, contracts::EKEventStore*,
        const std::shared_ptr<NSDate>& start, const std::shared_ptr<NSDate>& end,
        contracts::EKEventStore::Reminders);
    void gatherNotifications(int firstKey);
    LMTableContents shownContents() const;
    const LMEventList* eventList(NSInteger section) const;
    const LMNotificationList* notificationList(NSInteger key) const;
    LMTableSections sections() const;
    // Collapsing by double tap and long press when the module allows it; a single tap that must
    // not fire on the first tap of a double tap waits for it.
    void addSectionGestures(UIView&, bool collapsible,
        const std::shared_ptr<UITapGestureRecognizer>& singleTap, bool singleTapWaits);

    std::shared_ptr<LMSettings> m_settings;
    std::shared_ptr<UITableView> m_tableView;
    std::shared_ptr<UIImage> m_bulletImage;
    std::map<std::string, std::shared_ptr<UIImage>> m_tintedBulletImages;
    double m_timeStampTransparency { 1.0 };
    double m_kalendoSectionHeaderTransparency { 0.1 };
    double m_kalendoRowTransparencyWhenAutoColored { 0.05 };
    double m_missivaSectionHeaderTransparency { 0.1 };
    double m_missivaRowTransparencyWhenAutoColored { 0.05 };

    LMSchedule m_schedule;
    std::map<std::string, LMNotificationList> m_notificationData;
    std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>> m_notificationSectionsData;
    std::map<std::string, bool> m_sectionsCollapsedState;
    std::map<std::string, std::shared_ptr<UIColor>> m_sectionsColorData;
    bool m_hasLoadedDataAtLeastOnce { false };
    bool m_isCurrentlyReloadingData { false };
    bool m_hasAnyNotifications { false };
    std::int32_t m_notificationCount { 0 };
    std::uint64_t m_reloadGeneration { 0 };
    // What the table was last built from; a reload that gathers the same builds nothing.
    std::optional<LMTableContents> m_shownContents;
};
