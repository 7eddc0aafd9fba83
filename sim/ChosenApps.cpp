#include "ChosenApps.h"

#include "foundation/DeviceFileSystem.h"
#include "orblib/AppListFile.h"

#include <stdexcept>

void ChosenApps::write(std::span<const std::string> bundleIdentifiers)
{
    if (!orblib::AppListFile::write(bundleIdentifiers))
        throw std::runtime_error("cannot write the app list file "
            + std::string(orblib::AppListFile::devicePath) + " under the device root "
            + foundation::DeviceFileSystem::root().string());
}
