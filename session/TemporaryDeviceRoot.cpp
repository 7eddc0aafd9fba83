#include "session/TemporaryDeviceRoot.h"

#include "foundation/DeviceFileSystem.h"

#include <fstream>

TemporaryDeviceRoot::TemporaryDeviceRoot(std::string_view prefix)
    : m_folder(prefix)
{
    foundation::DeviceFileSystem::setRoot(m_folder.path());
}

TemporaryDeviceRoot::~TemporaryDeviceRoot()
{
    foundation::DeviceFileSystem::setRoot({});
}

std::filesystem::path TemporaryDeviceRoot::hostPath(std::string_view devicePath) const
{
    return path() / std::filesystem::path(devicePath).relative_path();
}

void TemporaryDeviceRoot::write(std::string_view devicePath, std::string_view contents) const
{
    auto file = hostPath(devicePath);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}
