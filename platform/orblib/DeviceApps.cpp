#include "orblib/DeviceApps.h"

#include "foundation/DeviceSetting.h"
#include "uikit/UIImage.h"

#include <algorithm>

namespace orblib {
namespace {

foundation::DeviceSetting<const std::vector<InstalledApp>>& appsSetting()
{
    static foundation::DeviceSetting<const std::vector<InstalledApp>> setting {
        std::make_shared<const std::vector<InstalledApp>>()
    };
    return setting;
}

foundation::DeviceSetting<const std::vector<std::string>>& switcherSetting()
{
    static foundation::DeviceSetting<const std::vector<std::string>> setting {
        std::make_shared<const std::vector<std::string>>()
    };
    return setting;
}

} // namespace

std::vector<InstalledApp> DeviceApps::apps()
{
    return *appsSetting().get();
}

std::shared_ptr<const std::vector<InstalledApp>> DeviceApps::installed()
{
    return appsSetting().get();
}

void DeviceApps::setApps(std::vector<InstalledApp> apps)
{
    std::vector<InstalledApp> unique;
    for (auto& app : apps) {
        if (std::ranges::none_of(
                unique, [&](auto& kept) { return kept.bundleIdentifier == app.bundleIdentifier; })) {
            // The device's, whichever process installed it.
            if (app.icon)
                objc::keepAcrossProcesses(*app.icon);
            unique.push_back(std::move(app));
        }
    }
    appsSetting().set(std::make_shared<const std::vector<InstalledApp>>(std::move(unique)));
}

std::optional<InstalledApp> DeviceApps::app(std::string_view bundleIdentifier)
{
    auto apps = appsSetting().get();
    auto found = std::ranges::find(*apps, bundleIdentifier, &InstalledApp::bundleIdentifier);
    return found == apps->end() ? std::nullopt : std::optional(*found);
}

std::vector<std::string> DeviceApps::switcher()
{
    return *switcherSetting().get();
}

void DeviceApps::setSwitcher(std::vector<std::string> bundleIdentifiers)
{
    switcherSetting().set(std::make_shared<const std::vector<std::string>>(std::move(bundleIdentifiers)));
}

} // namespace orblib
