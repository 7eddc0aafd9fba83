#include "orblib/DisplayCloseGestureRecognizer.h"

#include "uikit/UIControl.h"
#include "uikit/UITouch.h"
#include "uikit/UIView.h"

namespace orblib {

namespace {

bool takesTouchesOfItsOwn(const UIView& view)
{
    return dynamic_cast<const UIControl*>(&view) || !view.gestureRecognizers().empty();
}

} // namespace

void DisplayCloseGestureRecognizer::touchesBegan(const UITouch& touch)
{
    auto owner = view();
    for (auto current = touch.view(); current && current != owner; current = current->superview()) {
        if (takesTouchesOfItsOwn(*current)) {
            setState(UIGestureRecognizerState::Failed);
            return;
        }
    }
    UISwipeGestureRecognizer::touchesBegan(touch);
}

} // namespace orblib
