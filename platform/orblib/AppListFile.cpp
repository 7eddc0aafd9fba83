#include "orblib/AppListFile.h"

#include "foundation/NSData.h"
#include "foundation/NSFileManager.h"

namespace orblib {

bool AppListFile::write(std::span<const std::string> bundleIdentifiers, std::string_view devicePath)
{
    std::string text;
    for (auto& identifier : bundleIdentifiers)
        text += identifier + "\n";
    auto files = NSFileManager::defaultManager();
    auto path = std::string(devicePath);
    auto folder = path.substr(0, path.rfind('/'));
    if (!files->fileExistsAtPath(folder) && !files->createDirectoryAtPath(folder, true))
        return false;
    return NSData(std::vector<std::uint8_t>(text.begin(), text.end())).writeToFile(path, true);
}

bool AppListFile::canHold(std::string_view bundleIdentifier)
{
    return !bundleIdentifier.empty() && bundleIdentifier.find_first_of(":\n\r") == std::string_view::npos;
}

} // namespace orblib
