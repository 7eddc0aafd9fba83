#include "render/BlurFilter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace render {

namespace {

// Divides by the box width through a 32-bit fixed-point reciprocal, rounding.
uint64_t reciprocalOf(int radius)
{
    return (uint64_t(1) << 32) / static_cast<uint64_t>(2 * radius + 1);
}

uint32_t average(uint32_t sum, uint64_t reciprocal)
{
    return static_cast<uint32_t>((sum * reciprocal + (uint64_t(1) << 31)) >> 32);
}

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
    const uint64_t reciprocal = reciprocalOf(radius);
    for (int i = 0; i < count; ++i) {
        line[i * step] = average(sums[0], reciprocal) | average(sums[1], reciprocal) << 8
            | average(sums[2], reciprocal) << 16 | average(sums[3], reciprocal) << 24;
        add(p[i + 2 * radius + 1]);
        remove(p[i]);
    }
}

// The same box pass down every column, walked a row at a time: a column at a time strides
// across memory and cost more than all the rest of the blur.
void boxColumns(uint32_t* data, int width, int height, std::ptrdiff_t stride, int radius,
    std::vector<uint32_t>& original, std::vector<uint32_t>& sums)
{
    original.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        std::copy_n(data + y * stride, width, original.data() + static_cast<size_t>(y) * width);
    // The end rows repeat beyond the edges, as a padded column's would.
    auto row = [&](int y) { return original.data() + static_cast<size_t>(std::clamp(y, 0, height - 1)) * width; };
    sums.assign(static_cast<size_t>(width) * 4, 0);
    auto accumulate = [&](const uint32_t* entering, const uint32_t* leaving) {
        for (int x = 0; x < width; ++x) {
            uint32_t in = entering ? entering[x] : 0, out = leaving ? leaving[x] : 0;
            sums[x * 4] += (in & 0xff) - (out & 0xff);
            sums[x * 4 + 1] += ((in >> 8) & 0xff) - ((out >> 8) & 0xff);
            sums[x * 4 + 2] += ((in >> 16) & 0xff) - ((out >> 16) & 0xff);
            sums[x * 4 + 3] += (in >> 24) - (out >> 24);
        }
    };
    for (int y = -radius; y <= radius; ++y)
        accumulate(row(y), nullptr);
    const uint64_t reciprocal = reciprocalOf(radius);
    for (int y = 0; y < height; ++y) {
        uint32_t* out = data + y * stride;
        for (int x = 0; x < width; ++x) {
            const uint32_t* sum = &sums[x * 4];
            out[x] = average(sum[0], reciprocal) | average(sum[1], reciprocal) << 8
                | average(sum[2], reciprocal) << 16 | average(sum[3], reciprocal) << 24;
        }
        accumulate(row(y + radius + 1), row(y - radius));
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
    std::vector<uint32_t> scratch, sums;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxLine(data + y * stride, width, 1, radius, scratch);
        boxColumns(data, width, height, stride, radius, scratch, sums);
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace render
