#include "hooks/LumoraHooks.h"

#include "contracts/SBNotificationCenterLayoutViewController.h"
#include "contracts/SBNotificationCenterViewController.h"

namespace lumora {
namespace {

objc::IMP<void> previousLoadContentViewControllers;
void loadContentViewControllers(id self, SEL cmd)
{
    previousLoadContentViewControllers(self, cmd);
}

objc::IMP<void, bool> previousViewWillAppear;
void viewWillAppear(id self, SEL cmd, bool animated)
{
    previousViewWillAppear(self, cmd, animated);
}

objc::IMP<void> previousLoadStatusBar;
void loadStatusBar(id self, SEL cmd)
{
    previousLoadStatusBar(self, cmd);
}

} // namespace

void installTodayHooks(const HookGroup& group)
{
    using contracts::SBNotificationCenterLayoutViewController;
    group.hookClass("SBNotificationCenterLayoutViewController",
        {
            { SBNotificationCenterLayoutViewController::_loadContentViewControllers,
                &loadContentViewControllers, &previousLoadContentViewControllers },
            { SBNotificationCenterLayoutViewController::viewWillAppear, &viewWillAppear,
                &previousViewWillAppear },
        });
    group.hookClass("SBNotificationCenterViewController",
        { { contracts::SBNotificationCenterViewController::_loadStatusBar, &loadStatusBar,
            &previousLoadStatusBar } });
}

} // namespace lumora
