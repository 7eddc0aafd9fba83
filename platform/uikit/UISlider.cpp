#include "uikit/UISlider.h"

#include "uikit/UITouch.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

std::shared_ptr<UIView> part(UIView& slider)
{
    auto view = UIView::create();
    view->setUserInteractionEnabled(false);
    slider.addSubview(view);
    return view;
}

} // namespace

void UISlider::setValue(float value, bool)
{
    value = std::clamp(value, m_minimumValue, std::max(m_minimumValue, m_maximumValue));
    if (value == m_value)
        return;
    m_value = value;
    setNeedsLayout();
}

void UISlider::setMinimumValue(float minimum)
{
    m_minimumValue = minimum;
    m_maximumValue = std::max(m_maximumValue, minimum);
    setValue(m_value);
    setNeedsLayout();
}

void UISlider::setMaximumValue(float maximum)
{
    m_maximumValue = maximum;
    m_minimumValue = std::min(m_minimumValue, maximum);
    setValue(m_value);
    setNeedsLayout();
}

void UISlider::setMinimumTrackTintColor(std::shared_ptr<UIColor> color)
{
    m_minimumTrackTintColor = std::move(color);
    setNeedsLayout();
}

void UISlider::setMaximumTrackTintColor(std::shared_ptr<UIColor> color)
{
    m_maximumTrackTintColor = std::move(color);
    setNeedsLayout();
}

void UISlider::setThumbTintColor(std::shared_ptr<UIColor> color)
{
    m_thumbTintColor = std::move(color);
    setNeedsLayout();
}

bool UISlider::beginTracking(const UITouch& touch)
{
    m_valueAtTouchDown = m_value;
    followTouch(touch);
    return true;
}

bool UISlider::continueTracking(const UITouch& touch)
{
    followTouch(touch);
    return true;
}

void UISlider::endTracking(const UITouch&)
{
    if (!m_continuous && m_value != m_valueAtTouchDown)
        sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISlider::followTouch(const UITouch& touch)
{
    CGFloat start = thumbDiameter / 2;
    CGFloat length = std::max(1.0, width() - thumbDiameter);
    CGFloat fraction = std::clamp((touch.locationInView(this).x - start) / length, 0.0, 1.0);
    float before = m_value;
    setValue(static_cast<float>(m_minimumValue + fraction * (m_maximumValue - m_minimumValue)));
    if (m_continuous && m_value != before)
        sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISlider::layoutSubviews()
{
    if (!m_thumb) {
        m_maximumTrack = part(*this);
        m_minimumTrack = part(*this);
        m_thumb = part(*this);
        m_thumb->layer().setCornerRadius(thumbDiameter / 2);
    }
    CGFloat range = m_maximumValue - m_minimumValue;
    CGFloat fraction = range > 0 ? (m_value - m_minimumValue) / range : 0;
    CGFloat start = thumbDiameter / 2;
    CGFloat thumbX = start + fraction * std::max(0.0, width() - thumbDiameter);
    CGFloat middle = height() / 2;
    m_minimumTrack->setFrame(CGRectMake(start, middle - trackHeight / 2, thumbX - start, trackHeight));
    m_maximumTrack->setFrame(
        CGRectMake(thumbX, middle - trackHeight / 2, std::max(0.0, width() - start - thumbX), trackHeight));
    m_thumb->setFrame(CGRectMake(thumbX - start, middle - start, thumbDiameter, thumbDiameter));
    m_minimumTrack->setBackgroundColor(
        m_minimumTrackTintColor ? m_minimumTrackTintColor : UIColor::colorWithRed(0, 122 / 255.0, 1, 1));
    m_maximumTrack->setBackgroundColor(
        m_maximumTrackTintColor ? m_maximumTrackTintColor : UIColor::colorWithWhite(0.72, 1));
    m_thumb->setBackgroundColor(m_thumbTintColor ? m_thumbTintColor : UIColor::whiteColor());
}

void UISlider::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["value"] = ViewDump::number(m_value);
    entry["minimumValue"] = ViewDump::number(m_minimumValue);
    entry["maximumValue"] = ViewDump::number(m_maximumValue);
    entry["minimumTrackTintColor"] = ViewDump::color(m_minimumTrackTintColor);
    entry["maximumTrackTintColor"] = ViewDump::color(m_maximumTrackTintColor);
    entry["thumbTintColor"] = ViewDump::color(m_thumbTintColor);
}
