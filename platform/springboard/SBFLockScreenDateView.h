#pragma once

#include "uikit/UIView.h"

namespace springboard {

// The lock screen's own clock: the time over the date.
class SBFLockScreenDateView : public UIView {
    OBJC_CLASS(SBFLockScreenDateView, UIView)
public:
    SBFLockScreenDateView();
    static void registerMethods(Class);

    void layoutTimeLabel();

private:
    void ownLayoutTimeLabel();

    std::shared_ptr<UIView> m_legibilityTimeLabel;
    std::shared_ptr<UIView> m_legibilityDateLabel;
};

} // namespace springboard
