#pragma once

#include "uikit/UIView.h"

class UILabel;

namespace springboard {

class SBBatteryGlyphView;

// The strip along the top of the screen: signal and carrier on the left, the time in the
// middle, the battery on the right, in white (style 1, light content) or black (style 0).
class SBStatusBarView : public UIView {
    OBJC_CLASS(SBStatusBarView, UIView)
public:
    static constexpr CGFloat height = 20;

    static std::shared_ptr<SBStatusBarView> create(CGFloat width);

    long style() const { return m_style; }
    void setStyle(long style);
    // The time and the battery from the device.
    void update();
    void layoutSubviews() override;

private:
    std::shared_ptr<UILabel> m_signalLabel;
    std::shared_ptr<UILabel> m_carrierLabel;
    std::shared_ptr<UILabel> m_timeLabel;
    std::shared_ptr<UILabel> m_batteryPercentLabel;
    std::shared_ptr<SBBatteryGlyphView> m_batteryGlyph;
    long m_style { 1 };
};

} // namespace springboard
