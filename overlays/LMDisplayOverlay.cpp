#include "overlays/LMDisplayOverlay.h"

#include "overlays/LMLockScreenDim.h"
#include "settings/LMSettings.h"
#include "uikit/UIWindow.h"

bool LMDisplayOverlay::initInRootWindow(const std::shared_ptr<UIWindow>& rootWindow)
{
    if (!OBDisplayView::init())
        return false;
    setHidden(true);
    addSubview(displayContainerView());
    if (rootWindow)
        rootWindow->addSubview(objc::retain(this));
    m_settings = LMSettings::sharedInstance();
    return true;
}

void LMDisplayOverlay::show()
{
    if (laysOutOnShow())
        updateFrame();
    std::weak_ptr<LMDisplayOverlay> weakSelf = objc::retain(this);
    showWithCompletion([weakSelf] {
        if (auto self = weakSelf.lock())
            LMResetLockScreenDimIfEnabled(self->resetsLockScreenDim());
    });
}

void LMDisplayOverlay::hide()
{
    std::weak_ptr<LMDisplayOverlay> weakSelf = objc::retain(this);
    hideWithCompletion([weakSelf] {
        if (auto self = weakSelf.lock()) {
            self->setHidden(true);
            LMResetLockScreenDimIfEnabled(self->resetsLockScreenDim());
        }
    });
}
