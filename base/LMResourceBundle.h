#pragma once

#include <string_view>

// Where the library's pictures are installed, asked for by name with type "png".
inline constexpr std::string_view LMResourceBundlePath = "/Library/Application Support/Lumora/LumoraBundle.bundle";
