#pragma once

#include "contracts/SpringBoardApplication.h"
#include "uikit/UIApplication.h"

namespace springboard {

// SpringBoard's application object. Every touch on the screen passes through it: one restarts
// the lock screen's idle countdown, and while the display is dark a touch that begins reaches
// nothing.
class SpringBoardApplication : public UIApplication, public contracts::SpringBoardApplication {
    OBJC_CLASS(SpringBoardApplication, UIApplication)
public:
    long _getSpringBoardOrientation() override;
    void sendEvent(const std::shared_ptr<UITouch>&, UITouchPhase) override;
};

} // namespace springboard
