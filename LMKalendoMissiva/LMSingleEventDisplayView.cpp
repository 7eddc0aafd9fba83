#include "LMKalendoMissiva/LMSingleEventDisplayView.h"

#include "dispatch/SharedInstance.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"

std::shared_ptr<LMSingleEventDisplayView> LMSingleEventDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMSingleEventDisplayView>();
}

std::shared_ptr<LMSingleEventDisplayView> LMSingleEventDisplayView::create()
{
    return make<LMSingleEventDisplayView>(lumora::RootWindowCapture<LMSingleEventDisplayView>::window());
}

void LMSingleEventDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
}

bool LMSingleEventDisplayView::resetsLockScreenDim() const
{
    return settings()->kalendoResetLockScreenDim();
}
