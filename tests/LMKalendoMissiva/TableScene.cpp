#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMView.h"
#include "eventkit/DeviceCalendars.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UILabel.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"
#include "uikit/ViewFinder.h"

namespace {

constexpr double bootTime = 0.2;

springboard::Device withSchedule(springboard::Device device, const DeviceSchedule& schedule)
{
    device.startTime -= bootTime;
    eventkit::DeviceCalendars::set(schedule.calendars, schedule.events, schedule.reminders);
    orblib::DeviceNotifications::set(schedule.notifications);
    return device;
}

void collectText(const UIView& view, std::string_view field, std::string& text)
{
    if (view.accessibilityIdentifier() == field) {
        if (auto label = dynamic_cast<const UILabel*>(&view)) {
            text += label->text();
            return;
        }
    }
    for (auto& child : view.subviews())
        collectText(*child, field, text);
}

} // namespace

TableScene::TableScene(
    const DeviceSchedule& schedule, const Preferences& preferences, springboard::Device device)
    : m_scene(withSchedule(std::move(device), schedule), preferences)
{
    // A panel on the Today page is built when the page first opens.
    if (auto location = preferences.find("location");
        location != preferences.end() && location->second == "2")
        m_scene.host().openTodayPage();
    m_scene.advance(bootTime);
    reload();
}

LMTableViewController& TableScene::table() const
{
    return *m_scene.panel().tableViewController();
}

void TableScene::reload()
{
    table().reloadTableViewData();
    dispatch::RunLoop::main().runUntilIdle();
}

std::string TableScene::text(const UIView& view, std::string_view field)
{
    std::string text;
    collectText(view, field, text);
    return text;
}

// The table has views only for what is on screen; the scene reads every row, as a search does.
std::shared_ptr<UIView> TableScene::header(long section) const
{
    table().tableView()->loadOffScreenViews();
    return table().tableView()->headerViewForSection(section);
}

std::shared_ptr<UIView> TableScene::row(long section, long row) const
{
    table().tableView()->loadOffScreenViews();
    return table().tableView()->cellForRowAtIndexPath(NSIndexPath(row, section));
}

std::string TableScene::summary(const std::string& type) const
{
    return table().summaryText(type);
}

std::vector<std::string> TableScene::sections() const
{
    std::vector<std::string> lines;
    auto& tableView = *table().tableView();
    for (long section = 0; section < tableView.numberOfSections(); ++section) {
        std::string line;
        if (auto view = header(section)) {
            line = text(*view, "_summaryLabel") + text(*view) + text(*view, "_warningLabel");
            if (line.empty())
                line = "[" + view->accessibilityIdentifier() + "]";
        }
        for (long index = 0; index < tableView.numberOfRowsInSection(section); ++index)
            line += " | " + text(*row(section, index));
        lines.push_back(line);
    }
    return lines;
}

eventkit::EventRecord TableScene::event(
    std::string title, double fromStart, double length, std::string calendar)
{
    return { .title = std::move(title),
        .calendar = std::move(calendar),
        .start = start + fromStart,
        .end = start + fromStart + length };
}

eventkit::ReminderRecord TableScene::reminder(std::string title, double fromStart)
{
    return { .title = std::move(title), .due = start + fromStart };
}

orblib::NotificationRecord TableScene::notification(
    std::string app, std::string title, std::string message, double fromStart)
{
    return { .app = std::move(app),
        .title = std::move(title),
        .message = std::move(message),
        .date = start + fromStart };
}
