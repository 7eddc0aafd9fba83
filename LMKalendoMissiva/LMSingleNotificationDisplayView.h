#pragma once

#include "overlays/LMDisplayOverlay.h"

// The detail of one notification, with its actions.
class LMSingleNotificationDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMSingleNotificationDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMSingleNotificationDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMSingleNotificationDisplayView> create();

    void updateFrame() override;

protected:
    bool resetsLockScreenDim() const override;
    bool laysOutOnShow() const override { return false; }
};
