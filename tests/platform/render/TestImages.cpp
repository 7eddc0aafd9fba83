#include "TestImages.h"

#include <algorithm>
#include <array>
#include <cmath>

std::shared_ptr<UIImage> TestImages::make(
    unsigned width, unsigned height, CGFloat scale, const Shader& shader)
{
    Bitmap bitmap(width, height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            uint32_t rgba = shader(x, y);
            uint8_t* p = bitmap.pixel(x, y);
            p[0] = rgba >> 24;
            p[1] = (rgba >> 16) & 0xff;
            p[2] = (rgba >> 8) & 0xff;
            p[3] = rgba & 0xff;
        }
    }
    return UIImage::imageWithBitmap(std::move(bitmap), scale);
}

std::shared_ptr<UIImage> TestImages::colourBands(unsigned width, unsigned height, CGFloat scale)
{
    static constexpr std::array<uint32_t, 5> colours { 0xe63946ff, 0xf1c40fff, 0x2ecc71ff, 0x3498dbff,
        0xffffffff };
    return make(width, height, scale,
        [](unsigned x, unsigned y) { return colours[((x + y) / 40) % colours.size()]; });
}

std::shared_ptr<UIImage> TestImages::dot(unsigned side, uint32_t rgba, CGFloat scale)
{
    return make(side, side, scale, [=](unsigned x, unsigned y) {
        double radius = side / 2.0;
        double distance = std::hypot(x + 0.5 - radius, y + 0.5 - radius);
        double coverage = std::clamp(radius - distance, 0.0, 1.0);
        return (rgba & 0xffffff00) | static_cast<uint32_t>(std::lround((rgba & 0xff) * coverage));
    });
}
