#pragma once

#include "uikit/UISwipeGestureRecognizer.h"

namespace orblib {

// A downward swipe over a display view, unless the finger lands on something inside it that takes
// touches of its own (a control such as a button or a slider, or a view with its own gesture
// recognisers such as a picker's rows or an image used as a button): those keep the finger.
class DisplayCloseGestureRecognizer : public UISwipeGestureRecognizer {
    OBJC_CLASS(DisplayCloseGestureRecognizer, UISwipeGestureRecognizer)
public:
    using UISwipeGestureRecognizer::UISwipeGestureRecognizer;

protected:
    void touchesBegan(const UITouch&) override;
};

} // namespace orblib
