#include "LMMelodra/LMMusicDisplayView.h"

#include "dispatch/SharedInstance.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"

std::shared_ptr<LMMusicDisplayView> LMMusicDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMMusicDisplayView>();
}

std::shared_ptr<LMMusicDisplayView> LMMusicDisplayView::create()
{
    return make<LMMusicDisplayView>(lumora::RootWindowCapture<LMMusicDisplayView>::window());
}

void LMMusicDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
}

bool LMMusicDisplayView::resetsLockScreenDim() const
{
    return settings()->melodraResetLockScreenDim();
}
