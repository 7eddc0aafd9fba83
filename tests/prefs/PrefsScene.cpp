#include "prefs/PrefsScene.h"

#include "preferences/PSListController.h"
#include "preferences/PSSpecifier.h"
#include "preferences/PSTableCell.h"
#include "preferences/PreferencePlist.h"
#include "preferences/SettingsApplication.h"
#include "prefs/LumoraPrefsBundle.h"
#include "springboard/ResourceBundleInstaller.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewFinder.h"

#include <gtest/gtest.h>

#include <stdexcept>

PrefsScene::PrefsScene(springboard::Device device, const Preferences& preferences)
    : m_fixture(std::move(device), preferences)
{
    if (auto failure
        = springboard::ResourceBundleInstaller::install(LUMORA_PREFS_BUNDLE_DIR, lumoraprefs::bundlePath))
        throw std::runtime_error(*failure);
    m_settings
        = std::make_unique<preferences::SettingsApplication>(std::vector<preferences::PreferenceBundle> {
            { std::string(lumoraprefs::title), std::string(lumoraprefs::bundlePath),
                std::string(lumoraprefs::rootClassName), { &lumoraprefs::registerClasses } } });
    m_settings->open();
}

PrefsScene::~PrefsScene() = default;

std::shared_ptr<PSListController> PrefsScene::page() const
{
    return m_settings->topPage();
}

void PrefsScene::layout() const
{
    m_settings->window()->layoutIfNeeded();
}

std::shared_ptr<PSTableCell> PrefsScene::cell(const std::string& identifier) const
{
    layout();
    return objc::cast<PSTableCell>(findView(page()->view(), identifier));
}

void PrefsScene::select(const std::string& identifier)
{
    auto found = cell(identifier);
    ASSERT_TRUE(found && found->specifier()) << "no row " << identifier << " on " << page()->title();
    page()->selectSpecifier(found->specifier());
    layout();
}

void PrefsScene::openLumora(std::initializer_list<std::string> path)
{
    select("Lumora");
    for (auto& step : path)
        select(step);
}

std::shared_ptr<NSObject> PrefsScene::stored(const std::string& key)
{
    return preferences::PreferencePlist::value(
        "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist", key);
}
