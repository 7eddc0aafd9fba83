#pragma once

#include "objc/NSObject.h"
#include "uikit/Bitmap.h"
#include "uikit/CGGeometry.h"

#include <memory>
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

    // Reads a PNG from the device's disk. Given "Name.png" on a screen of scale 2 it takes
    // "Name@2x.png" when there is one, as the platform does; a file named "@2x" or "@3x" has that
    // scale. Nothing when the file is missing or not a PNG.
    static std::shared_ptr<UIImage> imageWithContentsOfFile(std::string_view devicePath);
    // An image made by code, such as a resized or tinted copy; it may keep its source's name.
    static std::shared_ptr<UIImage> imageWithBitmap(Bitmap bitmap, CGFloat scale = 1, std::string name = {});

    // The resource name of a file path: the part after the bundle ("Battery/Battery10" for
    // ".../LumoraBundle.bundle/Battery/Battery10@2x.png"), or the file's name, without the
    // scale suffix and the extension.
    static std::string resourceNameForPath(std::string_view devicePath);

    // In points.
    CGSize size() const { return CGSizeMake(m_bitmap.width / m_scale, m_bitmap.height / m_scale); }
    CGFloat scale() const { return m_scale; }
    const Bitmap& bitmap() const { return m_bitmap; }
    const std::string& name() const { return m_name; }
    // A copy in one colour, keeping the shape (alpha) of this one and its name.
    std::shared_ptr<UIImage> imageWithTintColor(const UIColor&) const;

private:
    Bitmap m_bitmap;
    CGFloat m_scale;
    std::string m_name;
};
