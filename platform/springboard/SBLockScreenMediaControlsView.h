#pragma once

#include "uikit/UIView.h"

class UILabel;

namespace springboard {

// The lock screen's music controls: the song and artist playing, and the transport buttons.
// not implemented: the buttons do nothing, the volume slider
class SBLockScreenMediaControlsView : public UIView {
    OBJC_CLASS(SBLockScreenMediaControlsView, UIView)
public:
    static std::shared_ptr<SBLockScreenMediaControlsView> create(CGFloat width);

    // From the device's now-playing item.
    void update();

private:
    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UILabel> m_artistLabel;
    std::shared_ptr<UILabel> m_transportLabel;
};

} // namespace springboard
