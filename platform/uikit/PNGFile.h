#pragma once

#include "uikit/Bitmap.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// PNG in through libpng, out through our own deflate (made for screens: fast, not small). Any PNG
// colour type and depth reads as 8-bit RGBA; a picture without transparency is written as RGB.
class PNGFile {
public:
    // Larger pictures are refused rather than allocated.
    static constexpr unsigned maximumSide = 8192;
    // Row y of the picture, as 8-bit RGB or RGBA, valid until the next row is asked for.
    using RowSource = std::function<const std::uint8_t*(unsigned y)>;

    // Nothing when the bytes are not a PNG, are damaged, or picture something too large.
    static std::optional<Bitmap> decode(std::span<const std::uint8_t> bytes);
    static std::vector<std::uint8_t> encode(const Bitmap&);
    // Rows from top to bottom, for pictures kept in another layout than Bitmap's.
    static std::vector<std::uint8_t> encode(unsigned width, unsigned height, bool hasAlpha, const RowSource&);
};
