#include "orblib/OBAppListTableViewController.h"

#include "dispatch/SharedInstance.h"
#include "foundation/DeviceFileSystem.h"
#include "orblib/AppIcon.h"
#include "orblib/AppListFile.h"
#include "orblib/DeviceApps.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UIColor.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UISwitch.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"

#include <algorithm>
#include <filesystem>

namespace orblib {
namespace {

// An app list file holds a line per app; anything larger than this is not one.
constexpr std::size_t maximumFileSize = 1024 * 1024;
constexpr CGFloat iconSize = 29;

std::shared_ptr<NSObject> sharedInstanceImplementation(Class, SEL)
{
    return OBAppListTableViewController::sharedInstance();
}

std::vector<InstalledApp> appsByName()
{
    auto apps = DeviceApps::apps();
    std::stable_sort(
        apps.begin(), apps.end(), [](auto& a, auto& b) { return a.displayName < b.displayName; });
    return apps;
}

std::vector<std::string> readEntries(const std::string& path)
{
    std::vector<std::string> identifiers;
    auto bytes = foundation::DeviceFileSystem::readFile(path, maximumFileSize);
    if (!bytes)
        return identifiers;
    std::string text(bytes->begin(), bytes->end());
    size_t start = 0;
    while (start <= text.size()) {
        auto end = std::min(text.find('\n', start), text.size());
        auto entry = text.substr(start, end - start);
        auto identifier = entry.substr(0, entry.find(':'));
        if (!identifier.empty()
            && std::find(identifiers.begin(), identifiers.end(), identifier) == identifiers.end())
            identifiers.push_back(identifier);
        start = end + 1;
    }
    return identifiers;
}

} // namespace

std::shared_ptr<OBAppListTableViewController> OBAppListTableViewController::sharedInstance()
{
    return dispatch::sharedInstance<OBAppListTableViewController>();
}

std::shared_ptr<OBAppListTableViewController> OBAppListTableViewController::create()
{
    return std::make_shared<OBAppListTableViewController>();
}

std::string OBAppListTableViewController::appListPath(const std::string& bundleIdentifier)
{
    return std::string(preferenceFolder) + bundleIdentifier + ".applist.activeapps";
}

std::shared_ptr<UITableView> OBAppListTableViewController::tableView()
{
    if (!m_tableView) {
        m_tableView = UITableView::create(CGRectZero, UITableViewStylePlain);
        m_tableView->setRowHeight(44);
        m_tableView->setDataSource(
            std::static_pointer_cast<OBAppListTableViewController>(shared_from_this()));
        m_tableView->setAccessibilityIdentifier("appList");
    }
    return m_tableView;
}

void OBAppListTableViewController::useBundleIdentifier(
    const std::string& bundleIdentifier, bool defaultAppsToEnabled)
{
    if (bundleIdentifier == m_bundleIdentifier || bundleIdentifier.empty()
        || bundleIdentifier.find('/') != std::string::npos)
        return;
    m_bundleIdentifier = bundleIdentifier;
    auto path = appListPath(bundleIdentifier);
    auto hostPath = foundation::DeviceFileSystem::resolve(path);
    std::error_code error;
    if (hostPath && std::filesystem::exists(*hostPath, error)) {
        m_enabled = readEntries(path);
    } else {
        m_enabled.clear();
        if (defaultAppsToEnabled) {
            for (auto& app : appsByName())
                m_enabled.push_back(app.bundleIdentifier);
        }
    }
    tableView()->reloadData();
}

void OBAppListTableViewController::changeFrame(CGRect frame)
{
    tableView()->setFrame(frame);
}

NSInteger OBAppListTableViewController::numberOfRowsInSection(UITableView*, NSInteger)
{
    return static_cast<NSInteger>(DeviceApps::apps().size());
}

std::shared_ptr<UITableViewCell> OBAppListTableViewController::cellForRowAtIndexPath(
    UITableView*, const std::shared_ptr<NSIndexPath>& path)
{
    auto cell = UITableViewCell::create();
    auto apps = appsByName();
    if (path->row() < 0 || path->row() >= static_cast<NSInteger>(apps.size()))
        return cell;
    auto& app = apps[path->row()];
    cell->setAccessibilityIdentifier(app.bundleIdentifier);
    auto icon = std::make_shared<UIImageView>(
        CGRectMake(UITableViewCell::textMargin, (44 - iconSize) / 2, iconSize, iconSize));
    icon->setImage(appIcon(app));
    cell->contentView()->addSubview(icon);
    auto name = UILabel::create(CGRectMake(UITableViewCell::textMargin * 2 + iconSize, 0, 200, 44));
    name->setText(app.displayName);
    cell->contentView()->addSubview(name);
    auto toggle = UISwitch::create();
    toggle->setOn(std::find(m_enabled.begin(), m_enabled.end(), app.bundleIdentifier) != m_enabled.end());
    std::weak_ptr<OBAppListTableViewController> weakSelf
        = std::static_pointer_cast<OBAppListTableViewController>(shared_from_this());
    auto identifier = app.bundleIdentifier;
    toggle->addTarget(
        [weakSelf, identifier](UIControl* sender) {
            auto self = weakSelf.lock();
            auto* control = dynamic_cast<UISwitch*>(sender);
            if (self && control)
                self->switchChanged(identifier, control->isOn());
        },
        UIControlEventValueChanged);
    cell->setAccessoryView(toggle);
    return cell;
}

void OBAppListTableViewController::switchChanged(const std::string& bundleIdentifier, bool on)
{
    std::erase(m_enabled, bundleIdentifier);
    if (on)
        m_enabled.push_back(bundleIdentifier);
    writeFile();
}

void OBAppListTableViewController::writeFile() const
{
    if (!m_bundleIdentifier.empty())
        AppListFile::write(m_enabled, appListPath(m_bundleIdentifier));
}

void OBAppListTableViewController::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::sharedInstance, &sharedInstanceImplementation);
}

} // namespace orblib
