#pragma once

#include "uikit/UIView.h"

// How windows stack on the screen: a higher level lies above a lower one.
using UIWindowLevel = CGFloat;
inline constexpr UIWindowLevel UIWindowLevelNormal = 0;
inline constexpr UIWindowLevel UIWindowLevelStatusBar = 1000;
inline constexpr UIWindowLevel UIWindowLevelAlert = 2000;

// The root of a view tree shown on the screen. A window joins the screen (UIApplication's
// windows) through makeKeyAndVisible, and leaves it while hidden.
class UIWindow : public UIView {
    OBJC_CLASS(UIWindow, UIView)
public:
    using UIView::UIView;

    UIWindowLevel windowLevel() const { return m_windowLevel; }
    void setWindowLevel(UIWindowLevel level) { m_windowLevel = level; }
    // Shows the window, above the others of its level, and makes it the key window.
    void makeKeyAndVisible();

private:
    UIWindowLevel m_windowLevel { UIWindowLevelNormal };
};
