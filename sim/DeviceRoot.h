#pragma once

#include "session/TemporaryFolder.h"

#include <filesystem>
#include <optional>

// The folder of this machine that is the device's disk for the simulator's run: the one given
// (made when missing, left in place), or a fresh temporary folder, removed at the end unless
// kept.
class DeviceRoot {
public:
    // Throws InputError when the folder given exists and is not a folder.
    static void check(const std::optional<std::filesystem::path>& given);

    DeviceRoot(const std::optional<std::filesystem::path>& given, bool keep);
    ~DeviceRoot();
    DeviceRoot(const DeviceRoot&) = delete;
    DeviceRoot& operator=(const DeviceRoot&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::optional<TemporaryFolder> m_temporary;
    std::filesystem::path m_path;
};
