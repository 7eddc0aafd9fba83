#include "FuzzDevice.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "objc/Runtime.h"

#include <cstdlib>
#include <string>

FuzzDevice::FuzzDevice()
{
    auto pattern = (std::filesystem::temp_directory_path() / "lumora-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    m_root = pattern;
    std::filesystem::create_directories(m_root / "private/var/mobile/Library/Preferences");
    foundation::DeviceFileSystem::setRoot(m_root);
    objc::Runtime::beginProcess();
}

FuzzDevice::~FuzzDevice()
{
    std::error_code error;
    std::filesystem::remove_all(m_root, error);
}

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
