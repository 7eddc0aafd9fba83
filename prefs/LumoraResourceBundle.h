#pragma once

#include <string_view>

// The package's pictures, installed beside the tweak; the bundle's share button is one of them.
inline constexpr std::string_view LumoraResourceBundlePath
    = "/Library/Application Support/Lumora/LumoraBundle.bundle";
