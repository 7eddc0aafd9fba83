#pragma once

#include "objc/NSObject.h"
#include "uikit/Bitmap.h"
#include "uikit/CGGeometry.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

class UIColor;

// A picture: its pixels (see Bitmap: straight, not premultiplied, alpha) and the scale that
// turns them into points. Its name is the resource it came from, for dumps and for comparing
// images by what they show rather than by identity.
class UIImage : public NSObject {
    OBJC_CLASS(UIImage, NSObject)
public:
    UIImage(Bitmap bitmap, CGFloat scale, std::string name);
    // Its pixels, width by height, are drawn when first asked for.
    UIImage(unsigned width, unsigned height, std::function<Bitmap()> draw, CGFloat scale, std::string name);

    // Reads a PNG from the device's disk. Given "Name.png" on a screen of scale 2 it takes
    // "Name@2x.png" when there is one, as the platform does; a file named "@2x" or "@3x" has that
    // scale. Nothing when the file is missing or not a PNG.
    static std::shared_ptr<UIImage> imageWithContentsOfFile(std::string_view devicePath);
    // An image made by code, such as a resized or tinted copy; it may keep its source's name.
    static std::shared_ptr<UIImage> imageWithBitmap(Bitmap bitmap, CGFloat scale = 1, std::string name = {});
    // An image drawn by code only when its pixels are first needed (drawn on screen, copied,
    // saved): many made at start-up are never shown. The drawing must give width by height pixels.
    static std::shared_ptr<UIImage> imageDrawnWhenNeeded(unsigned width, unsigned height,
        std::function<Bitmap()> draw, CGFloat scale = 1, std::string name = {});

    // The resource name of a file path: the part after the bundle ("Battery/Battery10" for
    // ".../LumoraBundle.bundle/Battery/Battery10@2x.png"), or the file's name, without the
    // scale suffix and the extension.
    static std::string resourceNameForPath(std::string_view devicePath);

    // In points.
    CGSize size() const { return CGSizeMake(m_width / m_scale, m_height / m_scale); }
    CGFloat scale() const { return m_scale; }
    const Bitmap& bitmap() const;
    const std::string& name() const { return m_name; }
    // A copy in one colour, keeping the shape (alpha) of this one and its name.
    std::shared_ptr<UIImage> imageWithTintColor(const UIColor&) const;

private:
    unsigned m_width;
    unsigned m_height;
    bool m_drawnLater { false };
    mutable std::once_flag m_drawn;
    mutable std::function<Bitmap()> m_draw;
    mutable Bitmap m_bitmap;
    CGFloat m_scale;
    std::string m_name;
};
