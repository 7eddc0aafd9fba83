#pragma once

#include "uikit/UIControl.h"

#include <memory>

// An on/off switch of the platform's fixed size. A tap flips it and sends value-changed; setOn
// changes only what it shows. It is drawn by subviews: a rounded track, filled with the on tint
// when on, and a round thumb at the side it is switched to; both fade while it is disabled.
class UISwitch : public UIControl {
    OBJC_CLASS(UISwitch, UIControl)
public:
    static constexpr CGFloat switchWidth = 51;
    static constexpr CGFloat switchHeight = 31;

    explicit UISwitch(CGRect frame = CGRectZero);
    static std::shared_ptr<UISwitch> create(CGRect frame = CGRectZero)
    {
        return std::make_shared<UISwitch>(frame);
    }

    // Whatever size is asked for, a switch keeps its own.
    void setFrame(CGRect) override;

    bool isOn() const { return m_on; }
    void setOn(bool on, bool animated = false);
    // Nothing means the platform's green.
    const std::shared_ptr<UIColor>& onTintColor() const { return m_onTintColor; }
    void setOnTintColor(std::shared_ptr<UIColor>);

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    void endTracking(const UITouch&) override;
    void stateDidChange() override { setNeedsLayout(); }

private:
    bool m_on { false };
    std::shared_ptr<UIColor> m_onTintColor;
    std::shared_ptr<UIView> m_track;
    std::shared_ptr<UIView> m_thumb;
};
