// Feeds arbitrary bytes to the simulator as a device profile: every one is read, or refused
// with InputError naming the file; nothing else may escape, crash or run without bound.
#include "DeviceProfile.h"
#include "InputError.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// A folder for the profile, and the pictures a profile may name beside it.
std::filesystem::path profilePath()
{
    static const auto folder = [] {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-fuzz-profile-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder / "device.json";
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
