#pragma once

#include "uikit/CGGeometry.h"

#include <cairo.h>

#include <memory>
#include <unordered_map>
#include <vector>

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
    cairo_pattern_t* resampledUnderShapedClip(cairo_t*, const std::shared_ptr<UIImage>&, cairo_pattern_t* source);
    void dropDeadEntries();

    struct Entry {
        std::weak_ptr<UIImage> image;
        cairo_surface_t* surface;
    };
    std::unordered_map<const UIImage*, Entry> m_entries;

    // An image's pixels filtered onto the device's grid where a shaped clip reaches, kept for the
    // next picture that draws it at the same place and size.
    struct Samples {
        std::weak_ptr<UIImage> image;
        cairo_matrix_t toDevice;
        int left, top, right, bottom;
        cairo_surface_t* surface;
    };
    static constexpr size_t keptSamples = 32;
    static cairo_pattern_t* samplesPattern(const Samples&);
    std::vector<Samples> m_samples;
};

} // namespace render
