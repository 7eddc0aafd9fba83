#pragma once

#include "contracts/ClassMessages.h"

class UIImage;

namespace contracts {

// A wallpaper view, as held by SBWallpaperController's fields _lockscreenWallpaperView,
// _sharedWallpaperView and _homescreenWallpaperView (std::shared_ptr<UIView>).
class SBWallpaperView {
public:
    virtual ~SBWallpaperView() = default;
    virtual std::shared_ptr<UIImage> wallpaperImage() = 0;
};

} // namespace contracts
