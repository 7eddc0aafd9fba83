#include "render/BlurFilter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace render {

namespace {

// One box pass over `count` pixels spaced `step` apart. The line is first copied with its end
// pixels repeated `radius` times on either side, so the running sum needs no bounds checks.
void boxLine(uint32_t* line, int count, std::ptrdiff_t step, int radius, std::vector<uint32_t>& padded)
{
    padded.resize(static_cast<size_t>(count + 2 * radius + 1));
    uint32_t* p = padded.data();
    for (int i = 0; i < radius; ++i)
        p[i] = line[0];
    for (int i = 0; i < count; ++i)
        p[radius + i] = line[i * step];
    for (int i = 0; i <= radius; ++i)
        p[radius + count + i] = line[(count - 1) * step];

    uint32_t sums[4] = {};
    auto add = [&](uint32_t pixel) {
        sums[0] += pixel & 0xff;
        sums[1] += (pixel >> 8) & 0xff;
        sums[2] += (pixel >> 16) & 0xff;
        sums[3] += pixel >> 24;
    };
    auto remove = [&](uint32_t pixel) {
        sums[0] -= pixel & 0xff;
        sums[1] -= (pixel >> 8) & 0xff;
        sums[2] -= (pixel >> 16) & 0xff;
        sums[3] -= pixel >> 24;
    };
    for (int i = 0; i < 2 * radius + 1; ++i)
        add(p[i]);
    // Divides by the box width through a 32-bit fixed-point reciprocal, rounding.
    const uint64_t reciprocal = (uint64_t(1) << 32) / static_cast<uint64_t>(2 * radius + 1);
    auto average
        = [&](uint32_t sum) { return static_cast<uint32_t>((sum * reciprocal + (uint64_t(1) << 31)) >> 32); };
    for (int i = 0; i < count; ++i) {
        line[i * step]
            = average(sums[0]) | average(sums[1]) << 8 | average(sums[2]) << 16 | average(sums[3]) << 24;
        add(p[i + 2 * radius + 1]);
        remove(p[i]);
    }
}

} // namespace

int BlurFilter::boxRadius(double sigma)
{
    // Three boxes of width w give a variance of 3 (w² - 1) / 12.
    double width = std::sqrt(4 * sigma * sigma + 1);
    return std::max(0, static_cast<int>(std::lround((width - 1) / 2)));
}

void BlurFilter::blur(cairo_surface_t* surface, double sigma)
{
    int radius = boxRadius(sigma);
    if (radius == 0)
        return;
    cairo_surface_flush(surface);
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface) / 4;
    std::vector<uint32_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxLine(data + y * stride, width, 1, radius, scratch);
        for (int x = 0; x < width; ++x)
            boxLine(data + x, height, stride, radius, scratch);
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace render
