#pragma once

#include <string_view>

// The preference bundle as the Settings app loads it: where its specifier files are, the page
// its row opens, and the initialiser that makes its classes known by name.
namespace lumoraprefs {

inline constexpr std::string_view bundlePath = "/Library/PreferenceBundles/LumoraPrefs.bundle";
inline constexpr std::string_view title = "Lumora";
inline constexpr std::string_view rootClassName = "LumoraPrefsListController";

void registerClasses();

} // namespace lumoraprefs
