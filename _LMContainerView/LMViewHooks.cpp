#include "_LMContainerView/LMViewHooks.h"

#include "_LMContainerView/LMView.h"
#include "base/HookGroup.h"
#include "base/LMEnums.h"
#include "contracts/SBLockScreenFullscreenBulletinViewController.h"
#include "contracts/SBLockScreenManager.h"
#include "contracts/SBLockScreenView.h"
#include "contracts/SBLockScreenViewController.h"
#include "contracts/SBUIController.h"
#include "settings/LMSettings.h"

namespace lumora {
namespace {

// Nothing happens while no panel exists: these replacements never create it.
bool closeOverlays(bool homeButtonPressed)
{
    auto panel = sharedPanel();
    return panel && panel->hideAnyShowingDisplayViewsBecauseHomeButtonPressed(homeButtonPressed);
}

void fullscreenBulletinArrived()
{
    closeOverlays(false);
    setFullscreenBulletinVisible(true);
}

objc::IMP<id, CGRect> previousInitWithFrame;
id initWithFrame(id self, SEL cmd, CGRect frame)
{
    return previousInitWithFrame(self, cmd, frame);
}

objc::IMP<void> previousNoteMenuButtonDown;
void noteMenuButtonDown(id self, SEL cmd)
{
    auto settings = LMSettings::sharedInstance();
    if (settings->enabled() && LMLocationFromStored(settings->location()) == LMLocation::lockScreen
        && closeOverlays(true))
        return;
    previousNoteMenuButtonDown(self, cmd);
}

// The lock screen closes overlays on the press-down; the other hosts do it here, once
// SpringBoard has handled the press.
objc::IMP<bool> previousClickedMenuButton;
bool clickedMenuButton(id self, SEL cmd)
{
    bool handled = previousClickedMenuButton(self, cmd);
    auto settings = LMSettings::sharedInstance();
    if (handled && settings->enabled() && LMLocationFromStored(settings->location()) != LMLocation::lockScreen
        && closeOverlays(true))
        return false;
    return handled;
}

objc::IMP<void, std::shared_ptr<NSObject>> previousAddFullscreenBulletinView;
void addFullscreenBulletinView(id self, SEL cmd, std::shared_ptr<NSObject> item)
{
    fullscreenBulletinArrived();
    previousAddFullscreenBulletinView(self, cmd, std::move(item));
}

objc::IMP<void, std::shared_ptr<NSObject>> previousPresentFullscreenBulletinAlert;
void presentFullscreenBulletinAlert(id self, SEL cmd, std::shared_ptr<NSObject> item)
{
    fullscreenBulletinArrived();
    previousPresentFullscreenBulletinAlert(self, cmd, std::move(item));
}

objc::IMP<void, bool> previousBulletinViewDidAppear;
void bulletinViewDidAppear(id self, SEL cmd, bool animated)
{
    fullscreenBulletinArrived();
    previousBulletinViewDidAppear(self, cmd, animated);
}

objc::IMP<void> previousPerformDismissAction;
void performDismissAction(id self, SEL cmd)
{
    setFullscreenBulletinVisible(false);
    previousPerformDismissAction(self, cmd);
}

} // namespace

void initialiseLMView()
{
    HookGroup group { "_LMContainerView/LMView", 843 };
    group.hookClass("SBLockScreenView",
        { { contracts::SBLockScreenView::initWithFrame, &initWithFrame, &previousInitWithFrame } });
    group.hookClass("SBLockScreenManager",
        { { contracts::SBLockScreenManager::noteMenuButtonDown, &noteMenuButtonDown,
            &previousNoteMenuButtonDown } });
    group.hookClass("SBUIController",
        { { contracts::SBUIController::clickedMenuButton, &clickedMenuButton, &previousClickedMenuButton } });
    using contracts::SBLockScreenViewController;
    group.hookClass("SBLockScreenViewController",
        {
            { SBLockScreenViewController::_addFullscreenBulletinViewWithItem, &addFullscreenBulletinView,
                &previousAddFullscreenBulletinView },
            { SBLockScreenViewController::presentFullscreenBulletinAlertWithItem,
                &presentFullscreenBulletinAlert, &previousPresentFullscreenBulletinAlert },
        });
    using contracts::SBLockScreenFullscreenBulletinViewController;
    group.hookClass("SBLockScreenFullscreenBulletinViewController",
        {
            { SBLockScreenFullscreenBulletinViewController::viewDidAppear, &bulletinViewDidAppear,
                &previousBulletinViewDidAppear },
            { SBLockScreenFullscreenBulletinViewController::performDismissAction, &performDismissAction,
                &previousPerformDismissAction },
        });
}

} // namespace lumora
