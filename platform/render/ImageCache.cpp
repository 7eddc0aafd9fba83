#include "render/ImageCache.h"

#include "uikit/UIImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace render {

namespace {

// An opaque image is made a surface without alpha, so that painting it is a copy rather than a
// blend per pixel: the same pixels, a full-screen wallpaper at a fraction of the cost.
cairo_surface_t* convert(const Bitmap& bitmap)
{
    bool opaque = bitmap.isOpaque();
    cairo_surface_t* surface = cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
        static_cast<int>(bitmap.width), static_cast<int>(bitmap.height));
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    auto premultiply = [](uint32_t channel, uint32_t alpha) { return (channel * alpha + 127) / 255; };
    const uint8_t* p = bitmap.rgba.data();
    for (unsigned y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        if (opaque) {
            // Premultiplying leaves opaque pixels as they are: red and blue swap places, no more.
            unsigned x = 0;
            for (; x + 2 <= bitmap.width; x += 2, p += 8) {
                uint64_t two;
                std::memcpy(&two, p, 8);
                two = (two & 0xff00ff00ff00ff00u) | (two & 0x000000ff000000ffu) << 16 | (two >> 16 & 0x000000ff000000ffu);
                std::memcpy(row + x, &two, 8);
            }
            for (; x < bitmap.width; ++x, p += 4) {
                uint32_t pixel;
                std::memcpy(&pixel, p, 4);
                row[x] = (pixel & 0xff00ff00u) | (pixel & 0xffu) << 16 | (pixel >> 16 & 0xffu);
            }
            continue;
        }
        for (unsigned x = 0; x < bitmap.width; ++x, p += 4) {
            uint32_t alpha = p[3];
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
    for (auto& kept : m_samples)
        cairo_surface_destroy(kept.surface);
}

void ImageCache::dropDeadEntries()
{
    std::erase_if(m_entries, [](auto& item) {
        if (!item.second.image.expired())
            return false;
        cairo_surface_destroy(item.second.surface);
        return true;
    });
    std::erase_if(m_samples, [](auto& kept) {
        if (!kept.image.expired())
            return false;
        cairo_surface_destroy(kept.surface);
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
    cairo_pattern_t* source = cairo_pattern_create_for_surface(surface);
    cairo_pattern_set_filter(source, CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(source, CAIRO_EXTEND_PAD);
    if (cairo_pattern_t* resampled = resampledUnderShapedClip(cr, image, source)) {
        cairo_pattern_destroy(source);
        source = resampled;
    }
    cairo_set_source(cr, source);
    cairo_paint(cr);
    cairo_pattern_destroy(source);
    cairo_restore(cr);
}

// Under a clip that is not a set of rectangles (a rounded icon), cairo paints span by span, and
// a scaled image's filter is set up again for every span: one icon cost as much as the rest of
// its screen. Each device pixel the clip touches is filtered once instead, into a surface on
// the device's grid, which is then painted under the clip as it is. Every pixel is the sample
// the direct paint would have taken at its centre.
cairo_pattern_t* ImageCache::resampledUnderShapedClip(
    cairo_t* cr, const std::shared_ptr<UIImage>& image, cairo_pattern_t* source)
{
    cairo_matrix_t toDevice;
    cairo_get_matrix(cr, &toDevice);
    bool placedWhole = toDevice.xx == 1 && toDevice.yy == 1 && toDevice.xy == 0 && toDevice.yx == 0
        && toDevice.x0 == std::floor(toDevice.x0) && toDevice.y0 == std::floor(toDevice.y0);
    if (placedWhole || toDevice.xy != 0 || toDevice.yx != 0)
        return nullptr;
    cairo_rectangle_list_t* rectangles = cairo_copy_clip_rectangle_list(cr);
    bool shaped = rectangles->status == CAIRO_STATUS_CLIP_NOT_REPRESENTABLE;
    cairo_rectangle_list_destroy(rectangles);
    if (!shaped)
        return nullptr;
    double x0, y0, x1, y1;
    cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    int left = std::max(0, static_cast<int>(std::floor(std::min(x0, x1))) - 1);
    int top = std::max(0, static_cast<int>(std::floor(std::min(y0, y1))) - 1);
    int right = static_cast<int>(std::ceil(std::max(x0, x1))) + 1;
    int bottom = static_cast<int>(std::ceil(std::max(y0, y1))) + 1;
    if (right <= left || bottom <= top)
        return nullptr;

    for (auto& kept : m_samples) {
        if (kept.image.lock() == image && kept.left == left && kept.top == top && kept.right == right
            && kept.bottom == bottom && std::memcmp(&kept.toDevice, &toDevice, sizeof toDevice) == 0)
            return samplesPattern(kept);
    }

    // The samples keep the device's own coordinates, so that the filter sees the very transform
    // the direct paint would: moved to another origin, its rounding would move some samples.
    // Only the rows and columns the clip reaches are written, then kept on their own.
    // Only the clip's rectangle of it is ever written or read: left unclear, a surface the size
    // of the screen costs nothing where it is not touched.
    int wholeStride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, right);
    std::unique_ptr<unsigned char[]> wholePixels(new unsigned char[size_t(wholeStride) * bottom]);
    cairo_surface_t* whole = cairo_image_surface_create_for_data(
        wholePixels.get(), CAIRO_FORMAT_ARGB32, right, bottom, wholeStride);
    cairo_t* sampling = cairo_create(whole);
    cairo_rectangle(sampling, left, top, right - left, bottom - top);
    cairo_clip(sampling);
    cairo_set_matrix(sampling, &toDevice);
    cairo_set_source(sampling, source);
    cairo_set_operator(sampling, CAIRO_OPERATOR_SOURCE);
    cairo_paint(sampling);
    cairo_destroy(sampling);
    cairo_surface_t* samples = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, right - left, bottom - top);
    cairo_t* copying = cairo_create(samples);
    cairo_set_source_surface(copying, whole, -left, -top);
    cairo_set_operator(copying, CAIRO_OPERATOR_SOURCE);
    cairo_paint(copying);
    cairo_destroy(copying);
    cairo_surface_destroy(whole);

    // A screen shows few such images; a stale one gives way to the newest.
    if (m_samples.size() >= keptSamples) {
        cairo_surface_destroy(m_samples.front().surface);
        m_samples.erase(m_samples.begin());
    }
    m_samples.push_back({ image, toDevice, left, top, right, bottom, samples });
    return samplesPattern(m_samples.back());
}

cairo_pattern_t* ImageCache::samplesPattern(const Samples& kept)
{
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(kept.surface);
    cairo_matrix_t shift, toSamples;
    cairo_matrix_init_translate(&shift, -kept.left, -kept.top);
    cairo_matrix_multiply(&toSamples, &kept.toDevice, &shift);
    cairo_pattern_set_matrix(pattern, &toSamples);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

} // namespace render
