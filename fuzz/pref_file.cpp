// Feeds arbitrary bytes to the home screen as its preference file: reading it and every
// getter must neither crash nor break the getters' promises (counts never negative, colours and
// objects never nothing).
#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "objc/Runtime.h"
#include "orblib/OrbLib.h"
#include "settings/LMSettings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

const char* const preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

// A temporary device with the support library loaded, for the whole run.
class FuzzDevice {
public:
    FuzzDevice()
    {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_root = pattern;
        std::filesystem::create_directories(m_root / "private/var/mobile/Library/Preferences");
        foundation::DeviceFileSystem::setRoot(m_root);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }
    ~FuzzDevice()
    {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }

private:
    std::filesystem::path m_root;
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void readEveryGetter(const LMSettings& settings)
{
    require(settings.themeColor() != nullptr);
#define READ_VALUE(name, fallback) settings.name();
#define READ_COUNT(name, fallback) require(settings.name() >= 0);
#define READ_OBJECT(name, fallback) require(settings.name() != nullptr);
    LM_SETTINGS_TABLE(READ_VALUE, READ_VALUE, READ_COUNT, READ_VALUE, READ_OBJECT, READ_OBJECT)
#undef READ_VALUE
#undef READ_COUNT
#undef READ_OBJECT
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzDevice device;
    require(NSData(std::vector<std::uint8_t>(data, data + size)).writeToFile(preferencePath, false));
    auto settings = LMSettings::sharedInstance();
    settings->reload();
    readEveryGetter(*settings);
    return 0;
}
