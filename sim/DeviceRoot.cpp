#include "DeviceRoot.h"

#include "InputError.h"

#include "foundation/DeviceFileSystem.h"

#include <stdexcept>
#include <string>

void DeviceRoot::check(const std::optional<std::filesystem::path>& given)
{
    std::error_code error;
    if (given && std::filesystem::exists(*given, error) && !std::filesystem::is_directory(*given, error))
        throw InputError(given->string() + ": the device root is not a folder");
}

DeviceRoot::DeviceRoot(const std::optional<std::filesystem::path>& given, bool keep)
{
    if (given) {
        std::filesystem::create_directories(*given);
        m_path = std::filesystem::absolute(*given);
    } else {
        m_temporary.emplace("lumora-sim");
        if (keep)
            m_temporary->keep();
        m_path = m_temporary->path();
    }
    foundation::DeviceFileSystem::setRoot(m_path);
}

DeviceRoot::~DeviceRoot()
{
    foundation::DeviceFileSystem::setRoot({});
}
