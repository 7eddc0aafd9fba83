#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIGestureRecognizer.h"

// Recognises one or more taps in a row at about the same place. Between two taps of a multiple
// tap the finger may stay up for at most maximumTapInterval (the platform's double-tap time), or
// the gesture fails; that is also how long a single tap that waits for a double tap to fail
// waits before it is recognised.
class UITapGestureRecognizer : public UIGestureRecognizer {
    OBJC_CLASS(UITapGestureRecognizer, UIGestureRecognizer)
public:
    static constexpr NSTimeInterval maximumTapInterval = 0.35;
    // How far a finger may move during a tap, and how far later taps may land from the first.
    static constexpr CGFloat allowableMovement = 10;
    static constexpr CGFloat allowableTapDistance = 45;

    using UIGestureRecognizer::UIGestureRecognizer;

    NSUInteger numberOfTapsRequired() const { return m_numberOfTapsRequired; }
    void setNumberOfTapsRequired(NSUInteger taps) { m_numberOfTapsRequired = taps ? taps : 1; }

    // A tap never prevents a tap that needs more taps than itself.
    bool canPreventGestureRecognizer(const UIGestureRecognizer&) const override;

protected:
    void touchesBegan(const UITouch&) override;
    void touchesMoved(const UITouch&) override;
    void touchesEnded(const UITouch&) override;
    void reset() override { m_taps = 0; }

private:
    NSUInteger m_numberOfTapsRequired { 1 };
    NSUInteger m_taps { 0 };
    CGPoint m_firstTapLocation {};
    CGPoint m_touchStart {};
};
