#include "orblib/OBNotificationCatalogue.h"

#include "orblib/AppIcon.h"
#include "orblib/DeviceApps.h"
#include "orblib/OBApplication.h"

#include <map>

namespace orblib {

std::shared_ptr<OBNotificationCatalogue> OBNotificationCatalogue::current()
{
    auto catalogue = std::make_shared<OBNotificationCatalogue>();
    std::map<std::string, std::shared_ptr<OBNotificationSection>> bySection;
    for (auto& record : DeviceNotifications::all()) {
        auto& section = bySection[record.section()];
        if (!section) {
            std::shared_ptr<OBApplication> app;
            std::shared_ptr<UIImage> icon;
            if (auto installed = DeviceApps::app(record.app)) {
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
