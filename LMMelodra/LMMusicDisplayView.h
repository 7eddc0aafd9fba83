#pragma once

#include "overlays/LMDisplayOverlay.h"

// The music player: artwork, track buttons and the volume.
class LMMusicDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMMusicDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMMusicDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMMusicDisplayView> create();

    void updateFrame() override;

protected:
    bool resetsLockScreenDim() const override;
};
