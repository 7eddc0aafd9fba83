#pragma once

#include "contracts/SBWallpaperView.h"
#include "uikit/UIImageView.h"

namespace springboard {

// A wallpaper picture filling the screen.
class SBWallpaperView : public UIImageView, public contracts::SBWallpaperView {
    OBJC_CLASS(SBWallpaperView, UIImageView)
public:
    static std::shared_ptr<SBWallpaperView> create(std::shared_ptr<UIImage> image, std::string identifier);

    std::shared_ptr<UIImage> wallpaperImage() override { return image(); }
};

} // namespace springboard
