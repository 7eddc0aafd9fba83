#pragma once

#include "uikit/UIView.h"

class UILabel;

namespace springboard {

class SBBatteryGlyphView;

// The large battery the lock screen shows while a charger is connected, with the charge.
class SBLockScreenBatteryChargingView : public UIView {
    OBJC_CLASS(SBLockScreenBatteryChargingView, UIView)
public:
    static std::shared_ptr<SBLockScreenBatteryChargingView> create();

    void update();

private:
    std::shared_ptr<SBBatteryGlyphView> m_glyph;
    std::shared_ptr<UILabel> m_label;
};

} // namespace springboard
