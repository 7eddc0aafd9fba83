#include "hooks/PanelHost.h"

#include "_LMContainerView/LMView.h"
#include "base/LMEnums.h"
#include "contracts/SBAppStatusBarManager.h"
#include "launcher/LMAppLauncherView.h"
#include "objc/ClassRef.h"
#include "settings/LMSettings.h"

namespace lumora {
namespace {

LMLocation location(const LMSettings& settings)
{
    return LMLocationFromStored(settings.location());
}

} // namespace

std::shared_ptr<LMSettings> PanelHost::reloadedSettings()
{
    auto settings = LMSettings::sharedInstance();
    settings->reload();
    return settings;
}

bool PanelHost::isLockScreen(const LMSettings& settings)
{
    return settings.enabled() && location(settings) == LMLocation::lockScreen;
}

bool PanelHost::isLockScreen()
{
    return isLockScreen(*LMSettings::sharedInstance());
}

bool PanelHost::isTodayPage(const LMSettings& settings)
{
    return settings.enabled() && location(settings) == LMLocation::todayPage;
}

bool PanelHost::isSearchPage(const LMSettings& settings)
{
    if (!settings.enabled())
        return false;
    auto where = location(settings);
    return where == LMLocation::searchFromEdge8 || where == LMLocation::searchFromEdge1;
}

int PanelHost::searchEdge(const LMSettings& settings)
{
    return location(settings) == LMLocation::searchFromEdge8 ? 8 : 1;
}

void PanelHost::update(LMView& panel)
{
    panel.update();
    if (auto& launcher = panel.appLauncherView())
        launcher->update();
}

void PanelHost::setStatusBarAlpha(double alpha)
{
    static objc::ClassRef statusBarManagerClass { "SBAppStatusBarManager" };
    if (auto manager = contracts::shared<contracts::SBAppStatusBarManager>(statusBarManagerClass))
        manager->setStatusBarAlpha(alpha);
}

} // namespace lumora
