#pragma once

#include "session/TemporaryFolder.h"

#include <filesystem>
#include <string_view>

// A fresh, empty device disk in a temporary folder for the life of the object; it becomes the
// device root, and the root is unset again (and the folder removed unless kept) when the object
// goes.
class TemporaryDeviceRoot {
public:
    explicit TemporaryDeviceRoot(std::string_view prefix = "lumora-device");
    ~TemporaryDeviceRoot();
    TemporaryDeviceRoot(const TemporaryDeviceRoot&) = delete;
    TemporaryDeviceRoot& operator=(const TemporaryDeviceRoot&) = delete;

    const std::filesystem::path& path() const { return m_folder.path(); }
    void keep() { m_folder.keep(); }
    // Where a device path lives on the host, found without the code under test.
    std::filesystem::path hostPath(std::string_view devicePath) const;
    // Writes a device file from the outside, creating its folders.
    void write(std::string_view devicePath, std::string_view contents) const;

private:
    TemporaryFolder m_folder;
};
