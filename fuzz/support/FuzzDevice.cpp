#include "FuzzDevice.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "objc/Runtime.h"

#include <cstdlib>
#include <filesystem>
#include <string>

FuzzDevice::FuzzDevice()
{
    std::filesystem::create_directories(m_root.path() / "private/var/mobile/Library/Preferences");
    objc::Runtime::beginProcess();
}

FuzzDevice::~FuzzDevice() = default;

void FuzzDevice::require(bool condition)
{
    if (!condition)
        std::abort();
}

void FuzzDevice::write(const std::string& devicePath, const std::vector<std::uint8_t>& bytes)
{
    auto hostPath = foundation::DeviceFileSystem::resolve(devicePath);
    require(hostPath.has_value());
    std::error_code error;
    std::filesystem::create_directories(hostPath->parent_path(), error);
    require(NSData(bytes).writeToFile(devicePath, false));
}
