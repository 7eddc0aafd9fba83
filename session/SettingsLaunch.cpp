#include "session/SettingsLaunch.h"

#include "preferences/SettingsApplication.h"
#include "prefs/LumoraPrefsBundle.h"
#include "springboard/ResourceBundleInstaller.h"

#include <stdexcept>
#include <string>
#include <vector>

std::unique_ptr<preferences::SettingsApplication> launchSettingsWithLumora()
{
    if (auto failure
        = springboard::ResourceBundleInstaller::install(LUMORA_PREFS_BUNDLE_DIR, lumoraprefs::bundlePath))
        throw std::runtime_error(*failure);
    return std::make_unique<preferences::SettingsApplication>(std::vector<preferences::PreferenceBundle> {
        { std::string(lumoraprefs::title), std::string(lumoraprefs::bundlePath),
            std::string(lumoraprefs::rootClassName), { &lumoraprefs::registerClasses } } });
}
