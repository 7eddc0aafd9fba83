#pragma once

#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"
#include "springboard/Device.h"

class UIImage;
class UIView;

namespace springboard {

// The wallpapers, one view per picture, made from the device when the controller is made. With
// one picture for both screens it is in _sharedWallpaperView; with a home-screen picture of its
// own, the two are in _lockscreenWallpaperView and _homescreenWallpaperView. Missing pictures
// leave their fields empty. The root window shows the one for the lock state.
class SBWallpaperController : public NSObject {
    OBJC_CLASS(SBWallpaperController, NSObject)
public:
    static std::shared_ptr<SBWallpaperController> create();
    static std::shared_ptr<SBWallpaperController> sharedInstance()
    {
        return dispatch::sharedInstance<SBWallpaperController>();
    }
    static void registerMethods(Class);

    // Puts the wallpaper of the lock state in the root window, sized to the screen.
    void updateForLockState();

    // SpringBoard's own picture, for a wallpaper that names none: a dusk gradient.
    static std::shared_ptr<UIImage> defaultImage(CGSize size, CGFloat scale);

private:
    static std::shared_ptr<UIImage> imageFor(const Device::Wallpaper&);

    // Fields of the platform's type: they are read by name.
    std::shared_ptr<UIView> m_lockscreenWallpaperView;
    std::shared_ptr<UIView> m_sharedWallpaperView;
    std::shared_ptr<UIView> m_homescreenWallpaperView;
    std::shared_ptr<UIView> m_shownView;
};

} // namespace springboard
