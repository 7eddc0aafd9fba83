#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace springboard {

// Puts the resource bundle where Lumora looks for its pictures. Whoever boots a device (the
// simulator, tests) installs the bundle the build rendered, as the package would on a phone.
// Every device shares the one bundle, read-only, through a link on its disk: nothing is copied.
class ResourceBundleInstaller {
public:
    static constexpr std::string_view devicePath = "/Library/Application Support/Lumora/LumoraBundle.bundle";

    // Links devicePath on the device's disk to the folder, replacing any bundle there, and shares
    // the folder read-only with the device. Nothing when done; otherwise why not, naming the
    // folder. A missing folder or a device without a disk leaves the device untouched.
    // Another bundle of the package (the preference bundle) goes to its own device path.
    static std::optional<std::string> install(
        const std::filesystem::path& bundleFolder, std::string_view bundleDevicePath = devicePath);
};

} // namespace springboard
