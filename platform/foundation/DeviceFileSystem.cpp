#include "foundation/DeviceFileSystem.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace foundation {
namespace {

std::mutex s_rootMutex;
fs::path s_root;
std::vector<fs::path> s_sharedFolders;
std::optional<DeviceFileSystem::WriteStep> s_failingStep;
std::atomic<unsigned> s_writeCount;

bool writeAll(int descriptor, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        auto written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The new name is itself a change to the folder, and reaches the disk only with it.
void syncFolder(const fs::path& folder)
{
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

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

void DeviceFileSystem::failNextWriteAt(std::optional<WriteStep> step)
{
    std::lock_guard lock(s_rootMutex);
    s_failingStep = step;
}

bool DeviceFileSystem::writeFile(
    std::string_view devicePath, std::span<const std::uint8_t> bytes, bool atomically)
{
    auto path = resolve(devicePath);
    std::error_code error;
    if (!path || !fs::is_directory(path->parent_path(), error) || fs::is_directory(*path, error))
        return false;
    std::optional<WriteStep> failing;
    {
        std::lock_guard lock(s_rootMutex);
        failing = std::exchange(s_failingStep, std::nullopt);
    }
    auto fails = [&](WriteStep step) { return failing == step; };
    auto target = *path;
    if (atomically)
        target += ".writing-" + std::to_string(::getpid()) + "-" + std::to_string(++s_writeCount);
    if (fails(WriteStep::create))
        return false;
    int descriptor = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    auto abandon = [&] {
        ::close(descriptor);
        if (atomically)
            fs::remove(target, error);
        return false;
    };
    // A failing write stops half way, as a crash or a full disk would leave it.
    auto length = fails(WriteStep::write) ? bytes.size() / 2 : bytes.size();
    if (!writeAll(descriptor, bytes.first(length)) || fails(WriteStep::write))
        return abandon();
    if (::fsync(descriptor) != 0 || fails(WriteStep::flush))
        return abandon();
    if (::close(descriptor) != 0) {
        fs::remove(target, error);
        return false;
    }
    if (atomically) {
        if (!fails(WriteStep::rename))
            fs::rename(target, *path, error);
        if (error || fails(WriteStep::rename)) {
            fs::remove(target, error);
            return false;
        }
        syncFolder(path->parent_path());
    }
    return true;
}

} // namespace foundation
