#include "support/TemporaryDeviceRoot.h"

#include "foundation/DeviceFileSystem.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

TemporaryDeviceRoot::TemporaryDeviceRoot()
{
    auto pattern = (std::filesystem::temp_directory_path() / "lumora-device-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary device root");
    m_path = pattern;
    foundation::DeviceFileSystem::setRoot(m_path);
}

TemporaryDeviceRoot::~TemporaryDeviceRoot()
{
    foundation::DeviceFileSystem::setRoot({});
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path TemporaryDeviceRoot::hostPath(std::string_view devicePath) const
{
    return m_path / std::filesystem::path(devicePath).relative_path();
}

void TemporaryDeviceRoot::write(std::string_view devicePath, std::string_view contents) const
{
    auto path = hostPath(devicePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}
