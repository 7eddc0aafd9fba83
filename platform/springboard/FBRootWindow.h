#pragma once

#include "uikit/UIWindow.h"

#include <optional>
#include <vector>

namespace springboard {

// What SpringBoard shows in its root window, bottom to top. Views that others add to the window
// (the tweak's overlays) lie above all of these.
enum class RootWindowLayer {
    Wallpaper,
    HomeScreen,
    LockScreen,
    FullscreenBulletin,
    CallScreen,
    SearchPage,
    StatusBar,
    NotificationCenter,
};

// SpringBoard's root window on a display.
class FBRootWindow : public UIWindow {
    OBJC_CLASS(FBRootWindow, UIWindow)
public:
    using UIWindow::UIWindow;
    static void registerMethods(Class);
    // Makes the window for the display through the replaceable initialiser.
    static std::shared_ptr<FBRootWindow> createWithDisplay(
        const std::shared_ptr<NSObject>& display, CGRect screenBounds);

    // Adds the view above the others of its layer and below every higher layer.
    void addSubviewInLayer(const std::shared_ptr<UIView>&, RootWindowLayer);

private:
    id ownInitWithDisplay(std::shared_ptr<NSObject> display);
    std::optional<RootWindowLayer> layerOf(const UIView&) const;

    std::shared_ptr<NSObject> m_display;
    std::vector<std::pair<std::weak_ptr<UIView>, RootWindowLayer>> m_layers;
};

} // namespace springboard
