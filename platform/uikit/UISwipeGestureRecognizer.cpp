#include "uikit/UISwipeGestureRecognizer.h"

#include "uikit/UITouch.h"

#include <cmath>

using State = UIGestureRecognizerState;

void UISwipeGestureRecognizer::touchesBegan(const UITouch& touch)
{
    m_start = touch.screenLocation();
}

void UISwipeGestureRecognizer::touchesMoved(const UITouch& touch)
{
    judge(touch.screenLocation());
}

void UISwipeGestureRecognizer::touchesEnded(const UITouch& touch)
{
    judge(touch.screenLocation());
    if (state() == State::Possible)
        setState(State::Failed);
}

void UISwipeGestureRecognizer::judge(CGPoint location)
{
    CGFloat dx = location.x - m_start.x;
    CGFloat dy = location.y - m_start.y;
    bool horizontal = std::abs(dx) >= std::abs(dy);
    CGFloat along = horizontal ? std::abs(dx) : std::abs(dy);
    CGFloat across = horizontal ? std::abs(dy) : std::abs(dx);
    if (along < minimumDistance)
        return;
    unsigned moved = horizontal
        ? (dx > 0 ? UISwipeGestureRecognizerDirectionRight : UISwipeGestureRecognizerDirectionLeft)
        : (dy > 0 ? UISwipeGestureRecognizerDirectionDown : UISwipeGestureRecognizerDirectionUp);
    bool straight = across <= along / 2;
    setState(straight && (m_direction & moved) ? State::Recognized : State::Failed);
}
