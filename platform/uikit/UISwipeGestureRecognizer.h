#pragma once

#include "uikit/UIGestureRecognizer.h"

enum UISwipeGestureRecognizerDirection : unsigned {
    UISwipeGestureRecognizerDirectionRight = 1 << 0,
    UISwipeGestureRecognizerDirectionLeft = 1 << 1,
    UISwipeGestureRecognizerDirectionUp = 1 << 2,
    UISwipeGestureRecognizerDirectionDown = 1 << 3,
};

// Recognises a finger moving at least minimumDistance mostly along one of its directions (the
// movement across may be at most half the movement along). A movement that reaches the distance
// in another direction, or a finger that lifts before, fails it.
class UISwipeGestureRecognizer : public UIGestureRecognizer {
    OBJC_CLASS(UISwipeGestureRecognizer, UIGestureRecognizer)
public:
    static constexpr CGFloat minimumDistance = 30;

    using UIGestureRecognizer::UIGestureRecognizer;

    unsigned direction() const { return m_direction; }
    void setDirection(unsigned direction) { m_direction = direction; }

protected:
    void touchesBegan(const UITouch&) override;
    void touchesMoved(const UITouch&) override;
    void touchesEnded(const UITouch&) override;

private:
    // Settles the gesture once the finger has gone far enough.
    void judge(CGPoint location);

    unsigned m_direction { UISwipeGestureRecognizerDirectionRight };
    CGPoint m_start {};
};
