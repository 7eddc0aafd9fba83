// Feeds arbitrary bytes to the home screen as its preference file: reading it and every
// getter must neither crash nor break the getters' promises (counts never negative, colours and
// objects never nothing).
#include "contracts/PreferenceFilePath.h"
#include "foundation/NSData.h"
#include "orblib/OrbLib.h"
#include "settings/LMSettings.h"
#include "support/FuzzDevice.h"

#include <cstdint>
#include <vector>

namespace {

void readEveryGetter(const LMSettings& settings)
{
    FuzzDevice::require(settings.themeColor() != nullptr);
#define READ_VALUE(name, fallback) settings.name();
#define READ_COUNT(name, fallback) FuzzDevice::require(settings.name() >= 0);
#define READ_OBJECT(name, fallback) FuzzDevice::require(settings.name() != nullptr);
    LM_SETTINGS_TABLE(READ_VALUE, READ_VALUE, READ_COUNT, READ_VALUE, READ_OBJECT, READ_OBJECT)
#undef READ_VALUE
#undef READ_COUNT
#undef READ_OBJECT
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzDevice device;
    [[maybe_unused]] static const bool registered = (orblib::registerClasses(), true);
    FuzzDevice::require(NSData(std::vector<std::uint8_t>(data, data + size))
                            .writeToFile(contracts::preferenceFilePath, false));
    auto settings = LMSettings::sharedInstance();
    settings->reload();
    readEveryGetter(*settings);
    return 0;
}
