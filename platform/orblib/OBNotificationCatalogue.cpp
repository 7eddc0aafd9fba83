#include "orblib/OBNotificationCatalogue.h"

#include "orblib/AppIcon.h"
#include "orblib/DeviceApps.h"
#include "orblib/OBApplication.h"

#include "objc/Runtime.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace orblib {

namespace {

// What the last catalogue was made from: the panel asks every ten seconds and mostly finds the
// same notifications and apps.
struct Made {
    std::mutex mutex;
    std::uint64_t processGeneration { 0 };
    std::uint64_t notificationsVersion { 0 };
    std::shared_ptr<const std::vector<InstalledApp>> apps;
    std::shared_ptr<OBNotificationCatalogue> catalogue;
};

Made& made()
{
    static Made instance;
    // The catalogue holds the process's objects (sections, rows, icons): it goes with the process.
    [[maybe_unused]] static const bool forgottenAtProcessEnd = [] {
        objc::Runtime::atEveryProcessEnd(objc::ProcessEndStage::ProcessState, [] {
            std::lock_guard lock(instance.mutex);
            instance.catalogue.reset();
            instance.apps.reset();
        });
        return true;
    }();
    return instance;
}

const InstalledApp* installedApp(const std::vector<InstalledApp>& apps, const std::string& bundleIdentifier)
{
    auto found = std::ranges::find(apps, bundleIdentifier, &InstalledApp::bundleIdentifier);
    return found == apps.end() ? nullptr : &*found;
}

} // namespace

std::shared_ptr<OBNotificationCatalogue> OBNotificationCatalogue::current()
{
    // Read before the notifications, so that a change in between makes the next call build anew.
    auto generation = objc::Runtime::processGeneration();
    auto version = DeviceNotifications::version();
    auto apps = DeviceApps::installed();
    auto& last = made();
    std::lock_guard lock(last.mutex);
    if (last.catalogue && last.processGeneration == generation && last.notificationsVersion == version
        && last.apps == apps)
        return last.catalogue;
    last.catalogue = make(*apps);
    last.processGeneration = generation;
    last.notificationsVersion = version;
    last.apps = std::move(apps);
    return last.catalogue;
}

std::shared_ptr<OBNotificationCatalogue> OBNotificationCatalogue::make(const std::vector<InstalledApp>& apps)
{
    auto catalogue = std::make_shared<OBNotificationCatalogue>();
    std::map<std::string, std::shared_ptr<OBNotificationSection>> bySection;
    for (auto& record : DeviceNotifications::all()) {
        auto& section = bySection[record.section()];
        if (!section) {
            std::shared_ptr<OBApplication> app;
            std::shared_ptr<UIImage> icon;
            if (auto* installed = installedApp(apps, record.app)) {
                app = std::make_shared<OBApplication>(installed->bundleIdentifier, installed->displayName);
                icon = appIcon(*installed);
            }
            section = std::make_shared<OBNotificationSection>(record.section(), app, icon);
            catalogue->m_sections.push_back(section);
        }
        section->addRow(
            std::make_shared<OBNotificationRow>(record, section->sectionApp(), section->sectionIcon()));
    }
    return catalogue;
}

} // namespace orblib
