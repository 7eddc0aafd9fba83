#include "springboard/SBWallpaperController.h"

#include "springboard/FBRootWindow.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBWallpaperView.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIImage.h"

#include <algorithm>
#include <cmath>

namespace springboard {

std::shared_ptr<SBWallpaperController> SBWallpaperController::create()
{
    auto controller = std::make_shared<SBWallpaperController>();
    auto& device = currentDevice();
    if (device.wallpaper && device.homeScreenWallpaper) {
        controller->m_lockscreenWallpaperView
            = SBWallpaperView::create(imageFor(*device.wallpaper), "_lockscreenWallpaperView");
        controller->m_homescreenWallpaperView
            = SBWallpaperView::create(imageFor(*device.homeScreenWallpaper), "_homescreenWallpaperView");
    } else if (device.wallpaper) {
        controller->m_sharedWallpaperView
            = SBWallpaperView::create(imageFor(*device.wallpaper), "_sharedWallpaperView");
    } else if (device.homeScreenWallpaper) {
        controller->m_homescreenWallpaperView
            = SBWallpaperView::create(imageFor(*device.homeScreenWallpaper), "_homescreenWallpaperView");
    }
    return controller;
}

void SBWallpaperController::registerMethods(Class cls)
{
    registerSharedInstance<SBWallpaperController>(cls);
    cls->addIvar("_lockscreenWallpaperView", &SBWallpaperController::m_lockscreenWallpaperView);
    cls->addIvar("_sharedWallpaperView", &SBWallpaperController::m_sharedWallpaperView);
    cls->addIvar("_homescreenWallpaperView", &SBWallpaperController::m_homescreenWallpaperView);
}

void SBWallpaperController::updateForLockState()
{
    auto& device = currentDevice();
    auto& wanted = device.locked ? m_lockscreenWallpaperView : m_homescreenWallpaperView;
    auto shown = wanted ? wanted : m_sharedWallpaperView;
    if (shown != m_shownView && m_shownView)
        m_shownView->removeFromSuperview();
    m_shownView = shown;
    if (!m_shownView)
        return;
    m_shownView->setFrame(device.screenBounds());
    if (auto& root = SpringBoard::current().rootWindow(); root && !m_shownView->superview())
        root->addSubviewInLayer(m_shownView, RootWindowLayer::Wallpaper);
}

std::shared_ptr<UIImage> SBWallpaperController::imageFor(const Device::Wallpaper& wallpaper)
{
    if (wallpaper.image)
        return wallpaper.image;
    if (!wallpaper.path.empty()) {
        if (auto image = UIImage::imageWithContentsOfFile(wallpaper.path))
            return image;
    }
    auto& device = currentDevice();
    return defaultImage(device.screenSize, device.screenScale);
}

std::shared_ptr<UIImage> SBWallpaperController::defaultImage(CGSize size, CGFloat scale)
{
    auto width = static_cast<unsigned>(std::lround(size.width * scale));
    auto height = static_cast<unsigned>(std::lround(size.height * scale));
    Bitmap bitmap(width, height);
    const double top[] = { 0.09, 0.13, 0.31 };
    const double bottom[] = { 0.62, 0.30, 0.42 };
    for (unsigned y = 0; y < height; ++y) {
        double along = height > 1 ? double(y) / (height - 1) : 0;
        for (unsigned x = 0; x < width; ++x) {
            // A light from the upper right, so that the blur behind the panel has something to show.
            double glow = std::max(0.0, 1 - std::hypot(double(x) / width - 0.8, along - 0.15) * 2.2) * 0.35;
            auto* pixel = bitmap.pixel(x, y);
            for (int channel = 0; channel < 3; ++channel) {
                double value = top[channel] + (bottom[channel] - top[channel]) * along + glow;
                pixel[channel] = static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
            }
            pixel[3] = 255;
        }
    }
    return UIImage::imageWithBitmap(std::move(bitmap), scale, "SpringBoardDefaultWallpaper");
}

} // namespace springboard
