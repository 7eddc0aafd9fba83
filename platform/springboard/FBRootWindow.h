#pragma once

#include "uikit/UIWindow.h"

namespace springboard {

// SpringBoard's root window on a display.
class FBRootWindow : public UIWindow {
    OBJC_CLASS(FBRootWindow, UIWindow)
public:
    using UIWindow::UIWindow;
    static void registerMethods(Class);
    // Makes the window for the display through the replaceable initialiser.
    static std::shared_ptr<FBRootWindow> createWithDisplay(
        const std::shared_ptr<NSObject>& display, CGRect screenBounds);

private:
    id ownInitWithDisplay(std::shared_ptr<NSObject> display);

    std::shared_ptr<NSObject> m_display;
};

} // namespace springboard
