#include "DeviceRoot.h"

#include "InputError.h"

#include "foundation/DeviceFileSystem.h"

#include <cstdlib>
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
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-sim-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error(
                "cannot make a temporary device root in " + std::filesystem::temp_directory_path().string());
        m_path = pattern;
        m_removeAtExit = !keep;
    }
    foundation::DeviceFileSystem::setRoot(m_path);
}

DeviceRoot::~DeviceRoot()
{
    foundation::DeviceFileSystem::setRoot({});
    if (m_removeAtExit) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}
