#pragma once

#include <memory>

namespace preferences {
class SettingsApplication;
}

// Launches the Settings app on the device whose disk is the current device root, with Lumora's
// preference bundle installed there (linked, not copied), in the running SpringBoard process:
// whoever holds it lets it go before that process ends. Not yet open. Throws
// std::runtime_error when the bundle cannot be installed.
std::unique_ptr<preferences::SettingsApplication> launchSettingsWithLumora();
