#pragma once

#include "uikit/UIView.h"

class NSTimer;
class UILabel;

namespace springboard {

// The Clock's countdown timer on the lock screen: the time left, counted down every second.
class SBLockScreenTimerView : public UIView {
    OBJC_CLASS(SBLockScreenTimerView, UIView)
public:
    static std::shared_ptr<SBLockScreenTimerView> create(CGFloat width);
    ~SBLockScreenTimerView() override;

    void update();

private:
    std::shared_ptr<UILabel> m_label;
    std::shared_ptr<NSTimer> m_ticker;
};

} // namespace springboard
