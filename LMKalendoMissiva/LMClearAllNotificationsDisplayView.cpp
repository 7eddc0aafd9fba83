#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"

#include "dispatch/SharedInstance.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"

std::shared_ptr<LMClearAllNotificationsDisplayView> LMClearAllNotificationsDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMClearAllNotificationsDisplayView>();
}

std::shared_ptr<LMClearAllNotificationsDisplayView> LMClearAllNotificationsDisplayView::create()
{
    return make<LMClearAllNotificationsDisplayView>(
        lumora::RootWindowCapture<LMClearAllNotificationsDisplayView>::window());
}

void LMClearAllNotificationsDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
}

bool LMClearAllNotificationsDisplayView::resetsLockScreenDim() const
{
    return settings()->missivaResetLockScreenDim();
}
