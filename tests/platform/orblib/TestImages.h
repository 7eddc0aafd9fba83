#pragma once

#include "uikit/UIImage.h"

#include <array>
#include <memory>
#include <vector>

// Small images written out pixel by pixel (red, green, blue, alpha), row after row.
using Pixel = std::array<int, 4>;

inline std::shared_ptr<UIImage> imageOf(unsigned width, const std::vector<Pixel>& pixels, CGFloat scale = 1)
{
    Bitmap bitmap(width, static_cast<unsigned>(pixels.size() / width));
    for (size_t i = 0; i < pixels.size(); ++i)
        for (int c = 0; c < 4; ++c)
            bitmap.rgba[i * 4 + c] = static_cast<std::uint8_t>(pixels[i][c]);
    return UIImage::imageWithBitmap(std::move(bitmap), scale, "Source");
}

inline std::vector<Pixel> pixelsOf(const UIImage& image)
{
    std::vector<Pixel> pixels;
    const auto& rgba = image.bitmap().rgba;
    for (size_t i = 0; i < rgba.size(); i += 4)
        pixels.push_back({ rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3] });
    return pixels;
}
