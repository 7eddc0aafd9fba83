#include "foundation/NSFileManager.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"

namespace fs = std::filesystem;
using foundation::DeviceFileSystem;

std::shared_ptr<NSFileManager> NSFileManager::defaultManager()
{
    // One for the whole OS process, whichever simulated process asks first.
    static const auto manager = [] {
        auto made = std::make_shared<NSFileManager>();
        objc::keepAcrossProcesses(*made);
        return made;
    }();
    return manager;
}

bool NSFileManager::fileExistsAtPath(std::string_view path, bool* isDirectory) const
{
    auto resolved = DeviceFileSystem::resolveForReading(path);
    std::error_code error;
    if (!resolved || !fs::exists(*resolved, error))
        return false;
    if (isDirectory)
        *isDirectory = fs::is_directory(*resolved, error);
    return true;
}

std::shared_ptr<NSData> NSFileManager::contentsAtPath(std::string_view path) const
{
    return NSData::dataWithContentsOfFile(path);
}

bool NSFileManager::createFileAtPath(std::string_view path, const NSData* contents) const
{
    static const auto empty = [] {
        auto made = std::make_shared<NSData>();
        objc::keepAcrossProcesses(*made);
        return made;
    }();
    return (contents ? *contents : *empty).writeToFile(path, true);
}

bool NSFileManager::createDirectoryAtPath(std::string_view path, bool withIntermediateDirectories) const
{
    auto resolved = DeviceFileSystem::resolve(path);
    if (!resolved)
        return false;
    std::error_code error;
    if (withIntermediateDirectories) {
        fs::create_directories(*resolved, error);
        return !error && fs::is_directory(*resolved, error);
    }
    return fs::create_directory(*resolved, error) && !error;
}

bool NSFileManager::removeItemAtPath(std::string_view path) const
{
    // The folder is resolved and the item itself is not, so a link is removed, not its target.
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return false;
    auto name = path.substr(slash + 1);
    auto folder = DeviceFileSystem::resolve(slash ? path.substr(0, slash) : "/");
    if (!folder || name.empty() || name == "." || name == "..")
        return false;
    std::error_code error;
    return fs::remove_all(*folder / name, error) > 0 && !error;
}
