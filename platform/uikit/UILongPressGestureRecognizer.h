#pragma once

#include "uikit/UIGestureRecognizer.h"

// Recognises a finger held still for minimumPressDuration: it begins then, reports changes while
// the finger moves and ends when it lifts. Moving too far before it begins, or lifting early,
// fails it.
class UILongPressGestureRecognizer : public UIGestureRecognizer {
    OBJC_CLASS(UILongPressGestureRecognizer, UIGestureRecognizer)
public:
    using UIGestureRecognizer::UIGestureRecognizer;

    NSTimeInterval minimumPressDuration() const { return m_minimumPressDuration; }
    void setMinimumPressDuration(NSTimeInterval duration) { m_minimumPressDuration = duration; }
    CGFloat allowableMovement() const { return m_allowableMovement; }
    void setAllowableMovement(CGFloat movement) { m_allowableMovement = movement; }

protected:
    void touchesBegan(const UITouch&) override;
    void touchesMoved(const UITouch&) override;
    void touchesEnded(const UITouch&) override;

private:
    NSTimeInterval m_minimumPressDuration { 0.5 };
    CGFloat m_allowableMovement { 10 };
    CGPoint m_start {};
};
