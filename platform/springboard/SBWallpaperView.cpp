#include "springboard/SBWallpaperView.h"

namespace springboard {

std::shared_ptr<SBWallpaperView> SBWallpaperView::create(
    std::shared_ptr<UIImage> image, std::string identifier)
{
    auto view = std::make_shared<SBWallpaperView>();
    view->setImage(std::move(image));
    view->setAccessibilityIdentifier(std::move(identifier));
    view->setUserInteractionEnabled(false);
    return view;
}

} // namespace springboard
