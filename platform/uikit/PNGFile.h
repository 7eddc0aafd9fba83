#pragma once

#include "uikit/Bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// PNG in and out, through libpng. Any PNG colour type and depth reads as 8-bit RGBA.
class PNGFile {
public:
    // Larger pictures are refused rather than allocated.
    static constexpr unsigned maximumSide = 8192;

    // Nothing when the bytes are not a PNG, are damaged, or picture something too large.
    static std::optional<Bitmap> decode(std::span<const std::uint8_t> bytes);
    static std::vector<std::uint8_t> encode(const Bitmap&);
};
