#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"

#include "dispatch/SharedInstance.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"

std::shared_ptr<LMSingleNotificationDisplayView> LMSingleNotificationDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMSingleNotificationDisplayView>();
}

std::shared_ptr<LMSingleNotificationDisplayView> LMSingleNotificationDisplayView::create()
{
    return make<LMSingleNotificationDisplayView>(
        lumora::RootWindowCapture<LMSingleNotificationDisplayView>::window());
}

void LMSingleNotificationDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
}

bool LMSingleNotificationDisplayView::resetsLockScreenDim() const
{
    return settings()->missivaResetLockScreenDim();
}
