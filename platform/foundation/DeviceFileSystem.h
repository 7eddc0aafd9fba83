#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace foundation {

// The device's disk: a folder of the host machine, chosen by whoever boots the device (tests
// use a temporary folder), under which the platform's absolute paths live. Nothing is read or
// written outside it: a path that is not absolute, that climbs above "/" with "..", or that
// reaches outside the folder through a symbolic link resolves to nothing. With no folder
// chosen there is no disk at all. The disk outlives simulated processes, as a device's does.
// The folder's own host path is made canonical once, when it first exists: moving it, or
// replacing it by a link, afterwards goes unnoticed.
// Folders of the host shared read-only with every device (the built resource bundle) are the one
// place a link on the disk may lead out of it: they can be read through the link, never written.
class DeviceFileSystem {
public:
    static void setRoot(std::filesystem::path);
    static std::filesystem::path root();

    // The host path of a device path ("/private/var/mobile/..."), or nothing; resolve gives only
    // paths that may be written, resolveForReading also those inside a shared folder.
    static std::optional<std::filesystem::path> resolve(std::string_view devicePath);
    static std::optional<std::filesystem::path> resolveForReading(std::string_view devicePath);

    // Lets the device read the host folder through links on its disk. Nothing when the folder
    // does not exist.
    static void shareReadOnly(const std::filesystem::path& hostFolder);

    // The file's bytes; nothing when it is missing, unreadable or larger than maximumSize.
    static std::optional<std::vector<std::uint8_t>> readFile(
        std::string_view devicePath, std::size_t maximumSize = std::numeric_limits<std::size_t>::max());
    // Replaces the file; its folder must exist. Atomically, the bytes go to a new file beside it,
    // reach the disk, and only then take the file's name: a reader, or the device after a crash,
    // finds the old file or the new one, never a part of either.
    static bool writeFile(std::string_view devicePath, std::span<const std::uint8_t> bytes, bool atomically);

    // The steps of an atomic write, for tests that make one of them fail as a crash or a full
    // disk would there.
    enum class WriteStep { create, write, flush, rename };
    static void failNextWriteAt(std::optional<WriteStep>);

private:
    static std::optional<std::filesystem::path> resolve(std::string_view devicePath, bool forReading);
};

} // namespace foundation
