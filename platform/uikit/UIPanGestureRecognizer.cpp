#include "uikit/UIPanGestureRecognizer.h"

#include "uikit/UITouch.h"
#include "uikit/UIView.h"

#include <cmath>

using State = UIGestureRecognizerState;

namespace {

CGPoint difference(CGPoint a, CGPoint b)
{
    return CGPointMake(a.x - b.x, a.y - b.y);
}

} // namespace

CGPoint UIPanGestureRecognizer::translationInView(const UIView* view) const
{
    if (!view)
        return difference(m_location, m_start);
    return difference(
        view->convertPointFromView(m_location, nullptr), view->convertPointFromView(m_start, nullptr));
}

void UIPanGestureRecognizer::touchesBegan(const UITouch& touch)
{
    m_start = m_location = touch.screenLocation();
}

void UIPanGestureRecognizer::touchesMoved(const UITouch& touch)
{
    m_location = touch.screenLocation();
    if (state() != State::Possible) {
        setState(State::Changed);
        return;
    }
    CGPoint moved = difference(m_location, m_start);
    if (std::hypot(moved.x, moved.y) >= hysteresis)
        setState(State::Began);
}

void UIPanGestureRecognizer::touchesEnded(const UITouch& touch)
{
    m_location = touch.screenLocation();
    setState(state() == State::Possible ? State::Failed : State::Ended);
}
