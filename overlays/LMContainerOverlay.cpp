#include "overlays/LMContainerOverlay.h"

#include "overlays/LMLockScreenDim.h"
#include "settings/LMSettings.h"

bool LMContainerOverlay::init()
{
    if (!OBContainerView::init())
        return false;
    setHidden(true);
    m_settings = LMSettings::sharedInstance();
    return true;
}

void LMContainerOverlay::show()
{
    OBContainerView::show();
    if (auto& window = containerWindow())
        window->enableTapToTerminate();
}

void LMContainerOverlay::viewWillShow()
{
    OBContainerView::viewWillShow();
    updateFrame();
    refreshContent();
    LMResetLockScreenDimIfEnabled(resetsLockScreenDim());
}

void LMContainerOverlay::viewWillHide()
{
    OBContainerView::viewWillHide();
    LMResetLockScreenDimIfEnabled(resetsLockScreenDim());
}
