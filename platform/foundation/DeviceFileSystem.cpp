#include "foundation/DeviceFileSystem.h"

#include <algorithm>
#include <fstream>
#include <mutex>
#include <unistd.h>

namespace fs = std::filesystem;

namespace foundation {
namespace {

std::mutex s_rootMutex;
fs::path s_root;
std::vector<fs::path> s_sharedFolders;

bool isInside(const fs::path& path, const fs::path& folder)
{
    auto [folderEnd, pathPosition] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return folderEnd == folder.end();
}

// The existing part of the path resolves through weakly_canonical; a dangling symbolic link
// would not, and writing through it could land anywhere, so it is refused.
bool hasDanglingLink(const fs::path& root, const fs::path& relative)
{
    fs::path current = root;
    for (const auto& component : relative) {
        current /= component;
        std::error_code error;
        auto status = fs::symlink_status(current, error);
        if (error || !fs::exists(status))
            return false;
        if (fs::is_symlink(status) && !fs::exists(current, error))
            return true;
    }
    return false;
}

} // namespace

void DeviceFileSystem::setRoot(fs::path root)
{
    std::lock_guard lock(s_rootMutex);
    s_root = std::move(root);
}

fs::path DeviceFileSystem::root()
{
    std::lock_guard lock(s_rootMutex);
    return s_root;
}

void DeviceFileSystem::shareReadOnly(const fs::path& hostFolder)
{
    std::error_code error;
    auto folder = fs::canonical(hostFolder, error);
    if (error)
        return;
    std::lock_guard lock(s_rootMutex);
    if (std::ranges::find(s_sharedFolders, folder) == s_sharedFolders.end())
        s_sharedFolders.push_back(std::move(folder));
}

std::optional<fs::path> DeviceFileSystem::resolve(std::string_view devicePath)
{
    return resolve(devicePath, false);
}

std::optional<fs::path> DeviceFileSystem::resolveForReading(std::string_view devicePath)
{
    return resolve(devicePath, true);
}

std::optional<fs::path> DeviceFileSystem::resolve(std::string_view devicePath, bool forReading)
{
    auto deviceRoot = root();
    if (deviceRoot.empty() || devicePath.empty() || devicePath.front() != '/')
        return std::nullopt;
    fs::path relative;
    for (const auto& component : fs::path(devicePath).relative_path()) {
        if (component == "..") {
            if (relative.empty())
                return std::nullopt;
            relative = relative.parent_path();
        } else if (!component.empty() && component != ".") {
            relative /= component;
        }
    }
    std::error_code error;
    auto canonicalRoot = fs::weakly_canonical(deviceRoot, error);
    if (error || hasDanglingLink(canonicalRoot, relative))
        return std::nullopt;
    auto resolved = fs::weakly_canonical(canonicalRoot / relative, error);
    if (error)
        return std::nullopt;
    if (isInside(resolved, canonicalRoot))
        return resolved;
    if (forReading) {
        std::lock_guard lock(s_rootMutex);
        if (std::ranges::any_of(s_sharedFolders, [&](auto& folder) { return isInside(resolved, folder); }))
            return resolved;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> DeviceFileSystem::readFile(
    std::string_view devicePath, std::size_t maximumSize)
{
    auto path = resolveForReading(devicePath);
    std::error_code error;
    if (!path || !fs::is_regular_file(*path, error))
        return std::nullopt;
    auto size = fs::file_size(*path, error);
    if (error || size > maximumSize)
        return std::nullopt;
    std::ifstream file(*path, std::ios::binary);
    std::vector<std::uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return bytes;
}

bool DeviceFileSystem::writeFile(
    std::string_view devicePath, std::span<const std::uint8_t> bytes, bool atomically)
{
    auto path = resolve(devicePath);
    std::error_code error;
    if (!path || !fs::is_directory(path->parent_path(), error) || fs::is_directory(*path, error))
        return false;
    auto target = *path;
    if (atomically)
        target += ".writing-" + std::to_string(::getpid());
    {
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        if (!file.write(
                reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
            return false;
    }
    if (atomically) {
        fs::rename(target, *path, error);
        if (error) {
            fs::remove(target, error);
            return false;
        }
    }
    return true;
}

} // namespace foundation
