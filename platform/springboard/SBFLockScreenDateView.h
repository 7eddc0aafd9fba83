#pragma once

#include "uikit/UIView.h"

namespace springboard {

// The lock screen's own clock: the time, large and thin, over the date. The texts change at
// every minute; each layout pass places the labels through _layoutTimeLabel.
class SBFLockScreenDateView : public UIView {
    OBJC_CLASS(SBFLockScreenDateView, UIView)
public:
    static constexpr CGFloat timeHeight = 86;
    static constexpr CGFloat dateHeight = 24;

    static std::shared_ptr<SBFLockScreenDateView> create();
    static void registerMethods(Class);

    void layoutSubviews() override;
    void updateTexts();

private:
    void ownLayoutTimeLabel();

    // Fields of the platform's type: they are read by name.
    std::shared_ptr<UIView> m_legibilityTimeLabel;
    std::shared_ptr<UIView> m_legibilityDateLabel;
};

} // namespace springboard
