#include "prefs/PrefsScene.h"

#include "contracts/PreferenceFilePath.h"
#include "preferences/PSListController.h"
#include "preferences/PSSpecifier.h"
#include "preferences/PSTableCell.h"
#include "preferences/PreferencePlist.h"
#include "preferences/SettingsApplication.h"
#include "session/SettingsLaunch.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewFinder.h"

#include <gtest/gtest.h>

PrefsScene::PrefsScene(springboard::Device device, const Preferences& preferences)
    : m_fixture(std::move(device), preferences)
{
    m_settings = launchSettingsWithLumora();
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
    return preferences::PreferencePlist::value(contracts::preferenceFilePath, key);
}
