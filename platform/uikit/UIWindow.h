#pragma once

#include "uikit/UIView.h"

// The root of a view tree shown on the screen.
class UIWindow : public UIView {
    OBJC_CLASS(UIWindow, UIView)
public:
    using UIView::UIView;
};
