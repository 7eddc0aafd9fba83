#pragma once

#include "uikit/UIView.h"

namespace springboard {

// A battery drawn as an outline with a nub, filled to its charge: green while charging, yellow
// in low-power mode, red at a fifth or less.
class SBBatteryGlyphView : public UIView {
    OBJC_CLASS(SBBatteryGlyphView, UIView)
public:
    static std::shared_ptr<SBBatteryGlyphView> create(CGRect frame);

    // The colour of the outline, and of the fill when nothing else colours it.
    void setTintColor(std::shared_ptr<UIColor>);
    // From the device's battery.
    void update();
    void layoutSubviews() override;

private:
    std::shared_ptr<UIView> m_body;
    std::shared_ptr<UIView> m_fill;
    std::shared_ptr<UIView> m_nub;
    std::shared_ptr<UIColor> m_tint;
};

} // namespace springboard
