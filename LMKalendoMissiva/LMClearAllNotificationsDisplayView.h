#pragma once

#include "overlays/LMDisplayOverlay.h"

// Asks before removing every notification.
class LMClearAllNotificationsDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMClearAllNotificationsDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMClearAllNotificationsDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMClearAllNotificationsDisplayView> create();

    void updateFrame() override;

protected:
    bool resetsLockScreenDim() const override;
};
