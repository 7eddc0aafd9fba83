#include "uikit/UISwitch.h"

#include "uikit/UITouch.h"
#include "uikit/ViewDump.h"

#include <nlohmann/json.hpp>

namespace {

constexpr CGFloat thumbInset = 2;

} // namespace

UISwitch::UISwitch(CGRect frame)
    : UIControl(CGRectMake(frame.origin.x, frame.origin.y, switchWidth, switchHeight))
{ }

void UISwitch::setFrame(CGRect frame)
{
    UIControl::setFrame(CGRectMake(frame.origin.x, frame.origin.y, switchWidth, switchHeight));
}

void UISwitch::setOn(bool on, bool)
{
    if (on == m_on)
        return;
    m_on = on;
    setNeedsLayout();
}

void UISwitch::setOnTintColor(std::shared_ptr<UIColor> color)
{
    m_onTintColor = std::move(color);
    setNeedsLayout();
}

void UISwitch::endTracking(const UITouch& touch)
{
    if (!isTouchInside(touch))
        return;
    setOn(!m_on);
    sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISwitch::layoutSubviews()
{
    if (!m_track) {
        m_track = UIView::create(bounds());
        m_track->setUserInteractionEnabled(false);
        m_track->layer().setCornerRadius(switchHeight / 2);
        m_track->layer().setBorderWidth(1.5);
        addSubview(m_track);
        CGFloat side = switchHeight - 2 * thumbInset;
        m_thumb = UIView::create(CGRectMake(0, thumbInset, side, side));
        m_thumb->setUserInteractionEnabled(false);
        m_thumb->layer().setCornerRadius(side / 2);
        m_thumb->setBackgroundColor(UIColor::whiteColor());
        addSubview(m_thumb);
    }
    auto onColor
        = m_onTintColor ? m_onTintColor : UIColor::colorWithRed(76 / 255.0, 217 / 255.0, 100 / 255.0, 1);
    auto offColor = UIColor::colorWithWhite(0.9, 1);
    m_track->setBackgroundColor(m_on ? onColor : UIColor::whiteColor());
    m_track->layer().setBorderColor(m_on ? onColor : offColor);
    CGRect thumb = m_thumb->frame();
    thumb.origin.x = m_on ? switchWidth - thumbInset - thumb.size.width : thumbInset;
    m_thumb->setFrame(thumb);
    // A disabled switch shows faded, as on the platform.
    CGFloat faded = isEnabled() ? 1 : 0.5;
    m_track->setAlpha(faded);
    m_thumb->setAlpha(faded);
}

void UISwitch::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["on"] = m_on;
    entry["onTintColor"] = ViewDump::color(m_onTintColor);
}
