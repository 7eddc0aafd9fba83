#include "hooks/LumoraHooks.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBNotificationCenterLayoutViewController.h"
#include "contracts/SBNotificationCenterViewController.h"
#include "hooks/PanelHost.h"
#include "settings/LMSettings.h"
#include "uikit/UIViewController.h"

namespace lumora {
namespace {

objc::IMP<void> previousLoadContentViewControllers;
void loadContentViewControllers(id self, SEL cmd)
{
    previousLoadContentViewControllers(self, cmd);
    if (!PanelHost::isTodayPage(*PanelHost::reloadedSettings()))
        return;
    auto* controller = dynamic_cast<UIViewController*>(self);
    if (!controller)
        return;
    auto panel = LMView::sharedInstance();
    auto& page = controller->view();
    for (auto& subview : page->subviews()) {
        if (subview != panel)
            subview->setHidden(true);
    }
    if (!panel->superview())
        page->addSubview(panel);
}

objc::IMP<void, bool> previousViewWillAppear;
void viewWillAppear(id self, SEL cmd, bool animated)
{
    if (PanelHost::isTodayPage(*PanelHost::reloadedSettings())) {
        auto panel = LMView::sharedInstance();
        panel->setHidden(false);
        PanelHost::update(*panel);
    }
    previousViewWillAppear(self, cmd, animated);
}

objc::IMP<void> previousLoadStatusBar;
void loadStatusBar(id self, SEL cmd)
{
    auto settings = LMSettings::sharedInstance();
    if (PanelHost::isTodayPage(*settings) && !settings->shouldShowStatusBar())
        return;
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
