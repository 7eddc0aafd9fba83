// Feeds arbitrary bytes to the simulator as a script: every line is read as a command, or the
// script is refused with InputError naming the line; nothing else may escape or crash.
#include "InputError.h"
#include "Script.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        Script::parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    } catch (const InputError&) {
    }
    return 0;
}
