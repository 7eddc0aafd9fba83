#include "render/BackdropBlur.h"

#include "render/BlurFilter.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

struct DeviceBox {
    int x0, y0, x1, y1;
    bool isEmpty() const { return x1 <= x0 || y1 <= y0; }
};

DeviceBox deviceBounds(cairo_t* cr, const CGRect& box)
{
    double xs[] = { CGRectGetMinX(box), CGRectGetMaxX(box), CGRectGetMinX(box), CGRectGetMaxX(box) };
    double ys[] = { CGRectGetMinY(box), CGRectGetMinY(box), CGRectGetMaxY(box), CGRectGetMaxY(box) };
    for (int i = 0; i < 4; ++i)
        cairo_user_to_device(cr, &xs[i], &ys[i]);
    return { static_cast<int>(std::floor(*std::min_element(xs, xs + 4))),
        static_cast<int>(std::floor(*std::min_element(ys, ys + 4))),
        static_cast<int>(std::ceil(*std::max_element(xs, xs + 4))),
        static_cast<int>(std::ceil(*std::max_element(ys, ys + 4))) };
}

cairo_surface_t* resampled(cairo_surface_t* source, int x, int y, int width, int height, double scale)
{
    cairo_surface_t* result = cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
        static_cast<int>(std::ceil(width * scale)), static_cast<int>(std::ceil(height * scale)));
    cairo_t* cr = cairo_create(result);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -x, -y);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    return result;
}

// The region (in device space) at 1 / 2^halvings of its size. Bilinear sampling at exactly half
// size lands between four pixels, so each halving is a true 2 x 2 average: no aliasing, at a
// fraction of the cost of cairo's general downscaling filter.
cairo_surface_t* shrunkCopy(cairo_surface_t* beneath, const DeviceBox& region, int halvings)
{
    cairo_surface_t* copy = resampled(
        beneath, region.x0, region.y0, region.x1 - region.x0, region.y1 - region.y0, halvings ? 0.5 : 1);
    for (int level = 1; level < halvings; ++level) {
        cairo_surface_t* half = resampled(
            copy, 0, 0, cairo_image_surface_get_width(copy), cairo_image_surface_get_height(copy), 0.5);
        cairo_surface_destroy(copy);
        copy = half;
    }
    return copy;
}

} // namespace

BackdropBlur::Tint BackdropBlur::tintFor(UIBlurEffectStyle style)
{
    switch (style) {
    case UIBlurEffectStyleExtraLight:
        return { 0.97, 0.82 };
    case UIBlurEffectStyleLight:
        return { 1, 0.3 };
    case UIBlurEffectStyleDark:
        break;
    }
    return { 0.11, 0.73 };
}

void BackdropBlur::paint(cairo_t* cr, cairo_surface_t* beneath, const CGRect& box, UIBlurEffectStyle style)
{
    double unitX = 1, unitY = 0;
    cairo_user_to_device_distance(cr, &unitX, &unitY);
    double deviceSigma = sigma * std::hypot(unitX, unitY);
    int halvings = std::max(0, static_cast<int>(std::lround(std::log2(deviceSigma / workingSigma))));
    int downscale = 1 << halvings;
    double smallSigma = deviceSigma / downscale;
    int margin = 3 * BlurFilter::boxRadius(smallSigma) * downscale;

    // Sample a margin around the box, as far as the surface beneath reaches, so its edges blur
    // in what lies next to it.
    double offsetX, offsetY;
    cairo_surface_get_device_offset(beneath, &offsetX, &offsetY);
    DeviceBox surfaceBox { static_cast<int>(-offsetX), static_cast<int>(-offsetY),
        static_cast<int>(-offsetX) + cairo_image_surface_get_width(beneath),
        static_cast<int>(-offsetY) + cairo_image_surface_get_height(beneath) };
    DeviceBox target = deviceBounds(cr, box);
    DeviceBox region { std::max(target.x0 - margin, surfaceBox.x0),
        std::max(target.y0 - margin, surfaceBox.y0), std::min(target.x1 + margin, surfaceBox.x1),
        std::min(target.y1 + margin, surfaceBox.y1) };
    if (region.isEmpty())
        return;

    cairo_surface_flush(beneath);
    cairo_surface_t* small = shrunkCopy(beneath, region, halvings);
    BlurFilter::blur(small, smallSigma);
    // Tinting before scaling back up is the same picture for a quarter of the work.
    cairo_t* tinting = cairo_create(small);
    Tint tint = tintFor(style);
    cairo_set_source_rgba(tinting, tint.white, tint.white, tint.white, tint.alpha);
    cairo_paint(tinting);
    cairo_destroy(tinting);

    cairo_save(cr);
    cairo_rectangle(cr, box.origin.x, box.origin.y, box.size.width, box.size.height);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, region.x0, region.y0);
    cairo_scale(cr, downscale, downscale);
    cairo_set_source_surface(cr, small, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(small);
}

} // namespace render
