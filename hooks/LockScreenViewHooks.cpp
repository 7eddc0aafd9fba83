#include "hooks/LumoraHooks.h"

#include "contracts/SBFLockScreenDateView.h"
#include "contracts/SBLockScreenView.h"

namespace lumora {
namespace {

objc::IMP<id, CGRect> previousInitWithFrame;
id initWithFrame(id self, SEL cmd, CGRect frame)
{
    return previousInitWithFrame(self, cmd, frame);
}

objc::IMP<void> previousLayoutSubviews;
void layoutSubviews(id self, SEL cmd)
{
    previousLayoutSubviews(self, cmd);
}

objc::IMP<void> previousLayoutSlideToUnlockView;
void layoutSlideToUnlockView(id self, SEL cmd)
{
    previousLayoutSlideToUnlockView(self, cmd);
}

objc::IMP<void, std::shared_ptr<UIView>, bool> previousLayoutGrabberView;
void layoutGrabberView(id self, SEL cmd, std::shared_ptr<UIView> grabber, bool atTop)
{
    previousLayoutGrabberView(self, cmd, std::move(grabber), atTop);
}

objc::IMP<void> previousLayoutNotificationView;
void layoutNotificationView(id self, SEL cmd)
{
    previousLayoutNotificationView(self, cmd);
}

objc::IMP<int> previousCoordinatedPresentingControllerIdentifier;
int coordinatedPresentingControllerIdentifier(id self, SEL cmd)
{
    return previousCoordinatedPresentingControllerIdentifier(self, cmd);
}

objc::IMP<void> previousLayoutTimeLabel;
void layoutTimeLabel(id self, SEL cmd)
{
    previousLayoutTimeLabel(self, cmd);
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
