#include "springboard/ResourceBundleInstaller.h"

#include "foundation/DeviceFileSystem.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace springboard {

namespace {

bool isInside(const fs::path& path, const fs::path& folder)
{
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first == folder.end();
}

std::string quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

} // namespace

std::optional<std::string> ResourceBundleInstaller::install(
    const fs::path& bundleFolder, std::string_view bundleDevicePath)
{
    std::error_code error;
    if (!fs::is_directory(bundleFolder, error))
        return "no resource bundle folder at " + quoted(bundleFolder);
    auto source = fs::canonical(bundleFolder, error);
    if (error)
        return "cannot read the resource bundle at " + quoted(bundleFolder) + ": " + error.message();

    if (foundation::DeviceFileSystem::root().empty())
        return "no device root to install the resource bundle " + quoted(bundleFolder) + " into";
    auto folder
        = foundation::DeviceFileSystem::resolve(bundleDevicePath.substr(0, bundleDevicePath.rfind('/')));
    if (!folder)
        return "the device path " + std::string(bundleDevicePath) + " leads outside the device root";
    auto target = *folder / fs::path(bundleDevicePath).filename();
    // Replacing the target first would delete the source.
    if (isInside(source, target))
        return "the resource bundle " + quoted(bundleFolder) + " lies inside the device's own bundle";

    // A link replaces the bundle copied by an earlier version, or the link of an earlier build;
    // removing a link leaves what it leads to alone.
    fs::remove_all(target, error);
    if (!error)
        fs::create_directories(*folder, error);
    if (!error)
        fs::create_directory_symlink(source, target, error);
    if (error)
        return "cannot install the resource bundle " + quoted(bundleFolder) + " at " + quoted(target) + ": "
            + error.message();
    foundation::DeviceFileSystem::shareReadOnly(source);
    return std::nullopt;
}

} // namespace springboard
