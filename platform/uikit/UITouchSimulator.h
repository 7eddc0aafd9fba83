#pragma once

#include "dispatch/RunLoop.h"
#include "uikit/CGGeometry.h"
#include "uikit/UISwipeGestureRecognizer.h"

#include <memory>
#include <string_view>

class UITouch;
class UIView;
class UIWindow;

// A finger on the screen of a window, or on the whole screen (every window UIApplication shows,
// topmost first), moved as a person would, on the main run loop's virtual clock. Points are in
// screen coordinates. Touches pass through UIApplication sendEvent. Before the finger lands the
// window is laid out; it
// lands on the deepest view under it that takes touches (a shown alert takes every touch while it
// is up), and the touch dispatcher takes it from there. After every step the run loop runs what
// is due, so when a call returns the actions of the gestures it completed have been sent; a
// single tap that waits for a double tap to fail still waits (advance the clock past
// UITapGestureRecognizer::maximumTapInterval).
//
// Timing: a tap lands and lifts at the same instant; the taps of a double tap are doubleTapGap
// apart; a swipe moves swipeDistance points in moveSteps even steps over swipeDuration.
class UITouchSimulator {
public:
    static constexpr NSTimeInterval doubleTapGap = 0.1;
    static constexpr NSTimeInterval swipeDuration = 0.1;
    static constexpr CGFloat swipeDistance = 100;
    static constexpr int moveSteps = 5;

    explicit UITouchSimulator(std::shared_ptr<UIWindow> window);
    // On the whole screen.
    UITouchSimulator() = default;

    void tap(CGPoint);
    void doubleTap(CGPoint);
    void longPress(CGPoint, NSTimeInterval duration = 1);
    void swipe(CGPoint start, UISwipeGestureRecognizerDirection);
    void drag(CGPoint from, CGPoint to, NSTimeInterval duration = swipeDuration);
    // Taps the button with this title on the topmost alert; false when no alert shows one.
    bool pressAlertButton(std::string_view title);

    // The steps gestures are made of. One finger at a time: a second touchDown before touchUp is
    // a programming error.
    void touchDown(CGPoint);
    void touchMove(CGPoint);
    void touchUp();

    // The view a finger at the point would land on.
    std::shared_ptr<UIView> viewAtPoint(CGPoint) const;

private:
    std::shared_ptr<UIWindow> m_window;
    std::shared_ptr<UITouch> m_touch;
};
