#pragma once

// Where the support library's app chooser keeps the apps the user chose for Lumora's launcher.
namespace contracts {

inline constexpr const char* appListFilePath
    = "/private/var/mobile/Library/Preferences/com.orbelin.lumora.applist.activeapps";

} // namespace contracts
