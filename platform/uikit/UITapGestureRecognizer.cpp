#include "uikit/UITapGestureRecognizer.h"

#include "uikit/UITouch.h"

#include <cmath>

namespace {

CGFloat distance(CGPoint a, CGPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

bool UITapGestureRecognizer::canPreventGestureRecognizer(const UIGestureRecognizer& other) const
{
    if (auto* tap = dynamic_cast<const UITapGestureRecognizer*>(&other))
        return m_numberOfTapsRequired >= tap->m_numberOfTapsRequired;
    return true;
}

void UITapGestureRecognizer::touchesBegan(const UITouch& touch)
{
    cancelDelayedPerforms();
    m_touchStart = touch.screenLocation();
    if (m_taps == 0)
        m_firstTapLocation = m_touchStart;
    else if (distance(m_touchStart, m_firstTapLocation) > allowableTapDistance)
        setState(UIGestureRecognizerState::Failed);
}

void UITapGestureRecognizer::touchesMoved(const UITouch& touch)
{
    if (distance(touch.screenLocation(), m_touchStart) > allowableMovement)
        setState(UIGestureRecognizerState::Failed);
}

void UITapGestureRecognizer::touchesEnded(const UITouch&)
{
    if (++m_taps >= m_numberOfTapsRequired) {
        setState(UIGestureRecognizerState::Recognized);
        return;
    }
    performAfterDelay(maximumTapInterval, [this] { setState(UIGestureRecognizerState::Failed); });
}
