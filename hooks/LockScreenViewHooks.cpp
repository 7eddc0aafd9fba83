#include "hooks/LumoraHooks.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMView.h"
#include "contracts/SBFLockScreenDateView.h"
#include "contracts/SBLockScreenView.h"
#include "hooks/PanelHost.h"
#include "launcher/LMAppLauncherView.h"
#include "settings/LMSettings.h"
#include "uikit/UIScreen.h"

namespace lumora {
namespace {

// SpringBoard's view in the named field; a field this SpringBoard lacks reads as no view.
std::shared_ptr<UIView> viewNamed(id object, std::string_view field)
{
    return objc_getIvarNamed<std::shared_ptr<UIView>>(object, field);
}

void hideViewNamed(id object, std::string_view field)
{
    if (auto view = viewNamed(object, field))
        view->setHidden(true);
}

objc::IMP<id, CGRect> previousInitWithFrame;
id initWithFrame(id self, SEL cmd, CGRect frame)
{
    id view = previousInitWithFrame(self, cmd, frame);
    if (PanelHost::isLockScreen(*PanelHost::reloadedSettings())) {
        auto panel = LMView::sharedInstance();
        panel->updateForecastLabels();
        if (auto& launcher = panel->appLauncherView())
            launcher->update();
    }
    return view;
}

objc::IMP<void> previousLayoutSubviews;
void layoutSubviews(id self, SEL cmd)
{
    auto settings = LMSettings::sharedInstance();
    if (PanelHost::isLockScreen(*settings)) {
        auto panel = LMView::sharedInstance();
        if (auto& table = panel->tableViewController(); table && table->hasLoadedDataAtLeastOnce())
            panel->update();
        if (!panel->superview()) {
            if (auto scrollView = viewNamed(self, "_foregroundScrollView")) {
                scrollView->setFrame(UIScreen::mainScreen()->bounds());
                scrollView->addSubview(panel);
            }
        }
        hideViewNamed(self, "_pluginView");
        hideViewNamed(self, "_bottomLeftGrabberView");
        if (!settings->shouldShowStatusBar())
            PanelHost::setStatusBarAlpha(0.0);
    }
    previousLayoutSubviews(self, cmd);
}

objc::IMP<void> previousLayoutSlideToUnlockView;
void layoutSlideToUnlockView(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        return previousLayoutSlideToUnlockView(self, cmd);
    hideViewNamed(self, "_slideToUnlockView");
}

objc::IMP<void, std::shared_ptr<UIView>, bool> previousLayoutGrabberView;
void layoutGrabberView(id self, SEL cmd, std::shared_ptr<UIView> grabber, bool atTop)
{
    if (grabber && PanelHost::isLockScreen())
        grabber->setHidden(true);
    previousLayoutGrabberView(self, cmd, std::move(grabber), atTop);
}

objc::IMP<void> previousLayoutNotificationView;
void layoutNotificationView(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        return previousLayoutNotificationView(self, cmd);
    hideViewNamed(self, "_notificationView");
}

objc::IMP<int> previousCoordinatedPresentingControllerIdentifier;
int coordinatedPresentingControllerIdentifier(id self, SEL cmd)
{
    return PanelHost::isLockScreen() ? -1 : previousCoordinatedPresentingControllerIdentifier(self, cmd);
}

objc::IMP<void> previousLayoutTimeLabel;
void layoutTimeLabel(id self, SEL cmd)
{
    if (!PanelHost::isLockScreen())
        return previousLayoutTimeLabel(self, cmd);
    hideViewNamed(self, "_legibilityTimeLabel");
    hideViewNamed(self, "_legibilityDateLabel");
}

} // namespace

void installLockScreenViewHooks(const HookGroup& group)
{
    using contracts::SBLockScreenView;
    group.hookClass("SBLockScreenView",
        {
            { SBLockScreenView::initWithFrame, &initWithFrame, &previousInitWithFrame },
            { SBLockScreenView::layoutSubviews, &layoutSubviews, &previousLayoutSubviews },
            { SBLockScreenView::_layoutSlideToUnlockView, &layoutSlideToUnlockView,
                &previousLayoutSlideToUnlockView },
            { SBLockScreenView::_layoutGrabberView, &layoutGrabberView, &previousLayoutGrabberView },
            { SBLockScreenView::_layoutNotificationView, &layoutNotificationView,
                &previousLayoutNotificationView },
            { SBLockScreenView::coordinatedPresentingControllerIdentifier,
                &coordinatedPresentingControllerIdentifier,
                &previousCoordinatedPresentingControllerIdentifier },
        });
    group.hookClass("SBFLockScreenDateView",
        { { contracts::SBFLockScreenDateView::_layoutTimeLabel, &layoutTimeLabel,
            &previousLayoutTimeLabel } });
}

} // namespace lumora
