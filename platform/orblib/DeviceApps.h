#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class UIImage;

namespace orblib {

struct InstalledApp {
    std::string bundleIdentifier;
    std::string displayName;
    // The icon: this image, else the PNG at this path on the device's disk, else a square in a
    // colour of its own with the first letter of the name.
    std::shared_ptr<UIImage> icon;
    std::string iconPath;
};

// The apps installed on the device and the app switcher's order, as the support library finds
// them. They belong to the device: whoever boots it sets them, a restarted host sees the same,
// and any thread may read them. A device starts with no apps and an empty switcher.
class DeviceApps {
public:
    static std::vector<InstalledApp> apps();
    // The same list until setApps replaces it: what was made of it can be kept while it lives.
    static std::shared_ptr<const std::vector<InstalledApp>> installed();
    // A later app of the same bundle identifier as an earlier one is left out.
    static void setApps(std::vector<InstalledApp>);
    // Nothing when no such app is installed.
    static std::optional<InstalledApp> app(std::string_view bundleIdentifier);

    // Bundle identifiers, most recently used first, installed or not.
    static std::vector<std::string> switcher();
    static void setSwitcher(std::vector<std::string>);
};

} // namespace orblib
