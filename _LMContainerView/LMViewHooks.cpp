#include "contracts/SBLockScreenFullscreenBulletinViewController.h"
#include "contracts/SBLockScreenManager.h"
#include "contracts/SBLockScreenView.h"
#include "contracts/SBLockScreenViewController.h"
#include "contracts/SBUIController.h"
#include "hooks/HookGroup.h"
#include "hooks/LumoraLibrary.h"

namespace lumora {
namespace {

objc::IMP<id, CGRect> previousInitWithFrame;
id initWithFrame(id self, SEL cmd, CGRect frame)
{
    return previousInitWithFrame(self, cmd, frame);
}

objc::IMP<void> previousNoteMenuButtonDown;
void noteMenuButtonDown(id self, SEL cmd)
{
    previousNoteMenuButtonDown(self, cmd);
}

objc::IMP<bool> previousClickedMenuButton;
bool clickedMenuButton(id self, SEL cmd)
{
    return previousClickedMenuButton(self, cmd);
}

objc::IMP<void, std::shared_ptr<NSObject>> previousAddFullscreenBulletinView;
void addFullscreenBulletinView(id self, SEL cmd, std::shared_ptr<NSObject> item)
{
    previousAddFullscreenBulletinView(self, cmd, std::move(item));
}

objc::IMP<void, std::shared_ptr<NSObject>> previousPresentFullscreenBulletinAlert;
void presentFullscreenBulletinAlert(id self, SEL cmd, std::shared_ptr<NSObject> item)
{
    previousPresentFullscreenBulletinAlert(self, cmd, std::move(item));
}

objc::IMP<void, bool> previousBulletinViewDidAppear;
void bulletinViewDidAppear(id self, SEL cmd, bool animated)
{
    previousBulletinViewDidAppear(self, cmd, animated);
}

objc::IMP<void> previousPerformDismissAction;
void performDismissAction(id self, SEL cmd)
{
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
