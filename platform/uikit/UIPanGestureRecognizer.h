#pragma once

#include "uikit/UIGestureRecognizer.h"

// Recognises a finger dragged across the screen: it begins once the finger has moved
// `hysteresis` points, reports every later move and ends when the finger lifts.
class UIPanGestureRecognizer : public UIGestureRecognizer {
    OBJC_CLASS(UIPanGestureRecognizer, UIGestureRecognizer)
public:
    static constexpr CGFloat hysteresis = 10;

    using UIGestureRecognizer::UIGestureRecognizer;

    // How far the finger has moved since it landed, in the view's coordinate scale; nullptr: the
    // screen's.
    CGPoint translationInView(const UIView* view) const;

protected:
    void touchesBegan(const UITouch&) override;
    void touchesMoved(const UITouch&) override;
    void touchesEnded(const UITouch&) override;

private:
    CGPoint m_start {};
    CGPoint m_location {};
};
