#include "springboard/SBInCallScreen.h"

#include "springboard/HostSupport.h"
#include "uikit/UIColor.h"

namespace springboard {

std::shared_ptr<UIView> SBInCallScreen::create(CGRect bounds, bool ringing)
{
    auto screen = makeView("_inCallScreenView", UIColor::colorWithWhite(0.08, 0.96));
    screen->setFrame(bounds);
    screen->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    auto caller = makeLabel("_callerLabel", "HelveticaNeue-Light", 34);
    caller->setText("Unknown");
    caller->setFrame(CGRectMake(20, 90, bounds.size.width - 40, 44));
    auto state = makeLabel("_callStateLabel", "HelveticaNeue", 17);
    state->setText(ringing ? "incoming call" : "call in progress");
    state->setFrame(CGRectMake(20, 140, bounds.size.width - 40, 24));
    screen->addSubview(caller);
    screen->addSubview(state);
    return screen;
}

} // namespace springboard
