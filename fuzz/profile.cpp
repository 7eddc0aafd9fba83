// Feeds arbitrary bytes to the simulator as a device profile: every one is read, or refused
// with InputError naming the file; nothing else may escape, crash or run without bound.
#include "DeviceProfile.h"
#include "InputError.h"

#include "session/TemporaryFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

// A folder for the profile, and the pictures a profile may name beside it.
std::filesystem::path profilePath()
{
    static const TemporaryFolder folder { "lumora-fuzz-profile" };
    return folder.path() / "device.json";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto path = profilePath();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
        static_cast<std::streamsize>(size));
    try {
        DeviceProfile::load(path);
    } catch (const InputError&) {
    }
    return 0;
}
