#include "render/ImageCache.h"

#include "uikit/UIImage.h"

#include <cstdint>

namespace render {

namespace {

bool isOpaque(const Bitmap& bitmap)
{
    for (size_t alpha = 3; alpha < bitmap.rgba.size(); alpha += 4) {
        if (bitmap.rgba[alpha] != 255)
            return false;
    }
    return true;
}

// An opaque image is made a surface without alpha, so that painting it is a copy rather than a
// blend per pixel: the same pixels, a full-screen wallpaper at a fraction of the cost.
cairo_surface_t* convert(const Bitmap& bitmap)
{
    cairo_surface_t* surface = cairo_image_surface_create(isOpaque(bitmap) ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
        static_cast<int>(bitmap.width), static_cast<int>(bitmap.height));
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    auto premultiply = [](uint32_t channel, uint32_t alpha) { return (channel * alpha + 127) / 255; };
    const uint8_t* p = bitmap.rgba.data();
    for (unsigned y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (unsigned x = 0; x < bitmap.width; ++x, p += 4) {
            uint32_t alpha = p[3];
            // Premultiplying leaves opaque pixels as they are.
            if (alpha == 255)
                row[x] = 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
            else
                row[x] = alpha << 24 | premultiply(p[0], alpha) << 16 | premultiply(p[1], alpha) << 8
                    | premultiply(p[2], alpha);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

} // namespace

ImageCache::~ImageCache()
{
    for (auto& [key, entry] : m_entries)
        cairo_surface_destroy(entry.surface);
}

void ImageCache::dropDeadEntries()
{
    std::erase_if(m_entries, [](auto& item) {
        if (!item.second.image.expired())
            return false;
        cairo_surface_destroy(item.second.surface);
        return true;
    });
}

cairo_surface_t* ImageCache::surfaceFor(const std::shared_ptr<UIImage>& image)
{
    auto found = m_entries.find(image.get());
    if (found != m_entries.end() && found->second.image.lock() == image)
        return found->second.surface;
    // A new image may have taken a dead one's address.
    dropDeadEntries();
    cairo_surface_t* surface = convert(image->bitmap());
    m_entries[image.get()] = { image, surface };
    return surface;
}

void ImageCache::draw(cairo_t* cr, const std::shared_ptr<UIImage>& image, const CGRect& rect)
{
    if (!image)
        return;
    const Bitmap& bitmap = image->bitmap();
    if (!bitmap.width || !bitmap.height || rect.size.width <= 0 || rect.size.height <= 0)
        return;
    cairo_surface_t* surface = surfaceFor(image);
    cairo_save(cr);
    cairo_rectangle(cr, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    cairo_clip(cr);
    cairo_translate(cr, rect.origin.x, rect.origin.y);
    cairo_scale(cr, rect.size.width / bitmap.width, rect.size.height / bitmap.height);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace render
