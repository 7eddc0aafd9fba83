#include "uikit/UIControl.h"

#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouch.h"

#include <nlohmann/json.hpp>

void UIControl::sendActionsForControlEvents(unsigned events)
{
    auto keepAlive = objc::retain(this);
    auto targets = m_targets;
    for (auto& target : targets) {
        if (target.events & events)
            target.action(this);
    }
}

void UIControl::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    stateDidChange();
}

void UIControl::setHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    stateDidChange();
}

void UIControl::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    stateDidChange();
}

unsigned UIControl::state() const
{
    unsigned state = UIControlStateNormal;
    if (m_highlighted)
        state |= UIControlStateHighlighted;
    if (!m_enabled)
        state |= UIControlStateDisabled;
    if (m_selected)
        state |= UIControlStateSelected;
    return state;
}

bool UIControl::isTouchInside(const UITouch& touch) const
{
    CGPoint point = touch.locationInView(this);
    CGRect area = bounds();
    return point.x >= area.origin.x - touchSlop && point.x <= area.origin.x + area.size.width + touchSlop
        && point.y >= area.origin.y - touchSlop && point.y <= area.origin.y + area.size.height + touchSlop;
}

void UIControl::touchesBegan(const UITouch& touch)
{
    auto keepAlive = objc::retain(this);
    m_tracking = beginTracking(touch);
    setHighlighted(true);
    sendActionsForControlEvents(UIControlEventTouchDown);
}

void UIControl::touchesMoved(const UITouch& touch)
{
    auto keepAlive = objc::retain(this);
    bool inside = isTouchInside(touch);
    if (m_tracking)
        m_tracking = continueTracking(touch);
    setHighlighted(inside);
    sendActionsForControlEvents(inside ? UIControlEventTouchDragInside : UIControlEventTouchDragOutside);
}

void UIControl::touchesEnded(const UITouch& touch)
{
    auto keepAlive = objc::retain(this);
    bool inside = isTouchInside(touch);
    if (m_tracking)
        endTracking(touch);
    m_tracking = false;
    setHighlighted(false);
    sendActionsForControlEvents(inside ? UIControlEventTouchUpInside : UIControlEventTouchUpOutside);
}

void UIControl::touchesCancelled(const UITouch&)
{
    auto keepAlive = objc::retain(this);
    if (m_tracking)
        cancelTracking();
    m_tracking = false;
    setHighlighted(false);
    sendActionsForControlEvents(UIControlEventTouchCancel);
}

bool UIControl::keepsTouchFromGestureRecognizer(const UIGestureRecognizer& recognizer) const
{
    auto* tap = dynamic_cast<const UITapGestureRecognizer*>(&recognizer);
    return tap && tap->numberOfTapsRequired() == 1;
}

void UIControl::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["enabled"] = m_enabled;
    if (m_highlighted)
        entry["highlighted"] = true;
    if (m_selected)
        entry["selected"] = true;
}
