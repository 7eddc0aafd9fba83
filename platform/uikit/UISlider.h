#pragma once

#include "uikit/UIControl.h"

#include <memory>

// A thumb on a track between minimumValue and maximumValue. A finger anywhere on the slider
// moves the thumb under it and sets the value from its position, sending value-changed on every
// change while it moves (or once, when it lifts, when the slider is not continuous). The track
// runs from the thumb's centre at one end to its centre at the other. It is drawn by subviews:
// the two track parts and the thumb.
class UISlider : public UIControl {
    OBJC_CLASS(UISlider, UIControl)
public:
    static constexpr CGFloat thumbDiameter = 28;
    static constexpr CGFloat trackHeight = 2;

    using UIControl::UIControl;
    static std::shared_ptr<UISlider> create(CGRect frame = CGRectZero)
    {
        return std::make_shared<UISlider>(frame);
    }

    float value() const { return m_value; }
    // Kept between the minimum and the maximum.
    void setValue(float value, bool animated = false);
    float minimumValue() const { return m_minimumValue; }
    void setMinimumValue(float);
    float maximumValue() const { return m_maximumValue; }
    void setMaximumValue(float);
    bool isContinuous() const { return m_continuous; }
    void setContinuous(bool continuous) { m_continuous = continuous; }

    // Nothing means the platform's colour.
    const std::shared_ptr<UIColor>& minimumTrackTintColor() const { return m_minimumTrackTintColor; }
    void setMinimumTrackTintColor(std::shared_ptr<UIColor>);
    const std::shared_ptr<UIColor>& maximumTrackTintColor() const { return m_maximumTrackTintColor; }
    void setMaximumTrackTintColor(std::shared_ptr<UIColor>);
    const std::shared_ptr<UIColor>& thumbTintColor() const { return m_thumbTintColor; }
    void setThumbTintColor(std::shared_ptr<UIColor>);

    // A slider keeps every touch on it from its ancestors' recognisers: it is dragged.
    bool keepsTouchFromGestureRecognizer(const UIGestureRecognizer&) const override { return true; }

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    bool beginTracking(const UITouch&) override;
    bool continueTracking(const UITouch&) override;
    void endTracking(const UITouch&) override;

private:
    void followTouch(const UITouch&);

    float m_value { 0 };
    float m_minimumValue { 0 };
    float m_maximumValue { 1 };
    bool m_continuous { true };
    float m_valueAtTouchDown { 0 };
    std::shared_ptr<UIColor> m_minimumTrackTintColor;
    std::shared_ptr<UIColor> m_maximumTrackTintColor;
    std::shared_ptr<UIColor> m_thumbTintColor;
    std::shared_ptr<UIView> m_minimumTrack;
    std::shared_ptr<UIView> m_maximumTrack;
    std::shared_ptr<UIView> m_thumb;
};
