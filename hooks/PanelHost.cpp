#include "hooks/PanelHost.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBAppStatusBarManager.h"
#include "launcher/LMAppLauncherView.h"
#include "objc/ClassRef.h"
#include "settings/LMSettings.h"

namespace lumora {
namespace {

enum Location { lockScreen = 1, todayPage = 2, searchFromEdge8 = 3, searchFromEdge1 = 4 };

} // namespace

std::shared_ptr<LMSettings> PanelHost::reloadedSettings()
{
    auto settings = LMSettings::sharedInstance();
    settings->reload();
    return settings;
}

bool PanelHost::isLockScreen(const LMSettings& settings)
{
    return settings.enabled() && settings.location() == lockScreen;
}

bool PanelHost::isLockScreen()
{
    return isLockScreen(*LMSettings::sharedInstance());
}

bool PanelHost::isTodayPage(const LMSettings& settings)
{
    return settings.enabled() && settings.location() == todayPage;
}

bool PanelHost::isSearchPage(const LMSettings& settings)
{
    if (!settings.enabled())
        return false;
    int location = settings.location();
    return location == searchFromEdge8 || location == searchFromEdge1;
}

int PanelHost::searchEdge(const LMSettings& settings)
{
    return settings.location() == searchFromEdge8 ? 8 : 1;
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
