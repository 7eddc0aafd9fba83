#pragma once

#include "uikit/CGGeometry.h"

#include <memory>

class UIView;

namespace springboard {

// What the host shows over the lock screen and the home screen during a phone call: the call's
// state on a dark backdrop, below the status bar. Lumora steps aside for a call; this is what a
// user sees in its place.
class SBInCallScreen {
public:
    static std::shared_ptr<UIView> create(CGRect bounds, bool ringing);
};

} // namespace springboard
