#pragma once

class UIGestureRecognizer;

// What a recogniser asks its delegate.
class UIGestureRecognizerDelegate {
public:
    virtual ~UIGestureRecognizerDelegate() = default;

    // Asked when the recogniser is about to begin or recognise; NO makes it fail instead.
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer*) { return true; }
};
