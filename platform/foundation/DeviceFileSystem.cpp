#include "foundation/DeviceFileSystem.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace foundation {
namespace {

std::mutex s_rootMutex;
fs::path s_root;
fs::path s_canonicalRoot; // once the root exists
std::vector<fs::path> s_sharedFolders;
std::optional<DeviceFileSystem::WriteStep> s_failingStep;
std::atomic<unsigned> s_writeCount;

// Reads or writes (`transfer`, called as ::read or ::write) until every byte is through; false
// when the file fails or ends first, as it does when it shrank since its size was taken.
template <class Byte, class Transfer> bool transferAll(std::span<Byte> bytes, Transfer transfer)
{
    while (!bytes.empty()) {
        auto done = transfer(bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(done));
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

std::string joined(const std::string& folder, const std::string& name)
{
    return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

std::string parentOf(const std::string& folder)
{
    auto slash = folder.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : folder.substr(0, slash);
}

// The device's root and the shared folders, as resolve sees them.
struct Disk {
    fs::path root;
    // Each without links in it, as they were when the root was set or the folder shared: a link
    // into one of them is followed from there, not from "/".
    std::vector<fs::path> canonicalFolders;
};

// The host path that `relative` (no "." or "..") leads to from the disk's root, with each
// component looked at once and links followed as the kernel follows them; the part that does not
// exist yet is kept as written, for a file about to be made. Nothing when a link leads nowhere:
// writing through a dangling link could land anywhere. Nothing either when a component cannot
// be looked at, or after too many links (a loop).
std::optional<fs::path> followLinks(const Disk& disk, const fs::path& relative)
{
    constexpr int maximumLinks = 40;
    std::vector<std::string> pending; // the next component last
    for (const auto& component : relative)
        pending.push_back(component.string());
    std::ranges::reverse(pending);
    std::size_t pendingFromLinks = 0; // how many of the last of `pending` come from link targets
    std::string current = disk.root.string();
    bool currentIsFolder = true;
    int links = 0;
    while (!pending.empty()) {
        auto component = std::move(pending.back());
        pending.pop_back();
        bool fromLink = pendingFromLinks > 0;
        pendingFromLinks -= fromLink;
        struct stat status { };
        bool exists = currentIsFolder;
        if (exists && (component.empty() || component == "." || component == "..")) {
            if (component == "..")
                current = parentOf(current);
            continue;
        }
        auto next = joined(current, component);
        if (exists && ::lstat(next.c_str(), &status) != 0) {
            if (errno != ENOENT && errno != ENOTDIR)
                return std::nullopt;
            exists = false;
        }
        if (!exists) {
            // What the device path itself names may be missing; what a link names may not.
            if (fromLink)
                return std::nullopt;
            fs::path path = next;
            for (auto rest = pending.rbegin(); rest != pending.rend(); ++rest)
                path /= *rest;
            return path;
        }
        if (!S_ISLNK(status.st_mode)) {
            current = std::move(next);
            currentIsFolder = S_ISDIR(status.st_mode);
            continue;
        }
        std::array<char, PATH_MAX> target {};
        auto length = ::readlink(next.c_str(), target.data(), target.size());
        if (++links > maximumLinks || length <= 0 || static_cast<std::size_t>(length) == target.size())
            return std::nullopt;
        fs::path targetPath(std::string(target.data(), static_cast<std::size_t>(length)));
        auto parts = targetPath.begin();
        if (targetPath.is_absolute()) {
            fs::path from = "/";
            for (const auto& folder : disk.canonicalFolders) {
                if (isInside(targetPath, folder) && folder.native().size() > from.native().size())
                    from = folder;
            }
            current = from.string();
            std::advance(parts, std::distance(from.begin(), from.end()));
        }
        auto before = pending.size();
        for (; parts != targetPath.end(); ++parts)
            pending.push_back(parts->string());
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(before), pending.end());
        pendingFromLinks += pending.size() - before;
    }
    return fs::path(current);
}

// The root is made canonical once, when it first exists: every path of the device is looked up
// under it.
std::optional<Disk> disk()
{
    std::lock_guard lock(s_rootMutex);
    if (s_root.empty())
        return std::nullopt;
    std::error_code error;
    if (s_canonicalRoot.empty()) {
        if (auto canonical = fs::canonical(s_root, error); !error)
            s_canonicalRoot = canonical;
    }
    Disk disk { s_canonicalRoot, s_sharedFolders };
    if (disk.root.empty()) {
        disk.root = fs::weakly_canonical(s_root, error);
        if (error)
            return std::nullopt;
    } else {
        disk.canonicalFolders.push_back(disk.root);
    }
    return disk;
}

} // namespace

void DeviceFileSystem::setRoot(fs::path root)
{
    std::lock_guard lock(s_rootMutex);
    s_root = std::move(root);
    s_canonicalRoot.clear();
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
    if (devicePath.empty() || devicePath.front() != '/')
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
    auto device = disk();
    if (!device)
        return std::nullopt;
    auto resolved = followLinks(*device, relative);
    if (!resolved)
        return std::nullopt;
    auto inside = [&](const fs::path& folder) { return isInside(*resolved, folder); };
    if (inside(device->root) || (forReading && std::ranges::any_of(device->canonicalFolders, inside)))
        return resolved;
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> DeviceFileSystem::readFile(
    std::string_view devicePath, std::size_t maximumSize)
{
    auto path = resolveForReading(devicePath);
    // Not blocking: a pipe on the disk is refused rather than waited on.
    int descriptor = path ? ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    if (descriptor < 0)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> bytes;
    struct stat status { };
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
        && static_cast<std::uintmax_t>(status.st_size) <= maximumSize) {
        bytes.emplace(static_cast<std::size_t>(status.st_size));
        auto read
            = [descriptor](std::uint8_t* data, std::size_t size) { return ::read(descriptor, data, size); };
        if (!transferAll(std::span(*bytes), read))
            bytes.reset();
    }
    ::close(descriptor);
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
    auto write = [descriptor](
                     const std::uint8_t* data, std::size_t size) { return ::write(descriptor, data, size); };
    if (!transferAll(bytes.first(length), write) || fails(WriteStep::write))
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
