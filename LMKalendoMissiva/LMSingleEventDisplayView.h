#pragma once

#include "overlays/LMDisplayOverlay.h"

// The detail of one event or reminder.
class LMSingleEventDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMSingleEventDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMSingleEventDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMSingleEventDisplayView> create();

    void updateFrame() override;

protected:
    bool resetsLockScreenDim() const override;
    bool laysOutOnShow() const override { return false; }
};
