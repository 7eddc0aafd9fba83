#include "uikit/UILongPressGestureRecognizer.h"

#include "uikit/UITouch.h"

#include <cmath>

using State = UIGestureRecognizerState;

void UILongPressGestureRecognizer::touchesBegan(const UITouch& touch)
{
    m_start = touch.screenLocation();
    performAfterDelay(m_minimumPressDuration, [this] {
        if (state() == State::Possible && isTouchDown())
            setState(State::Began);
    });
}

void UILongPressGestureRecognizer::touchesMoved(const UITouch& touch)
{
    if (state() == State::Began || state() == State::Changed) {
        setState(State::Changed);
        return;
    }
    CGPoint location = touch.screenLocation();
    if (std::hypot(location.x - m_start.x, location.y - m_start.y) > m_allowableMovement)
        setState(State::Failed);
}

void UILongPressGestureRecognizer::touchesEnded(const UITouch&)
{
    setState(state() == State::Possible ? State::Failed : State::Ended);
}
