#pragma once

#include "uikit/CGGeometry.h"

#include <cairo.h>

#include <memory>
#include <unordered_map>

class UIImage;

namespace render {

// Images as cairo surfaces. An image's pixels never change, so each is converted once and kept
// while the image lives.
class ImageCache {
public:
    ImageCache() = default;
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;
    ~ImageCache();

    // Fills `rect` with the whole image, stretched to it.
    void draw(cairo_t*, const std::shared_ptr<UIImage>&, const CGRect& rect);

private:
    cairo_surface_t* surfaceFor(const std::shared_ptr<UIImage>&);
    static cairo_pattern_t* resampledUnderShapedClip(cairo_t*, cairo_pattern_t* source);
    void dropDeadEntries();

    struct Entry {
        std::weak_ptr<UIImage> image;
        cairo_surface_t* surface;
    };
    std::unordered_map<const UIImage*, Entry> m_entries;
};

} // namespace render
