#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels as 8-bit red, green, blue and alpha, not premultiplied, row after row from the top.
struct Bitmap {
    unsigned width { 0 };
    unsigned height { 0 };
    std::vector<std::uint8_t> rgba;

    Bitmap() = default;
    Bitmap(unsigned w, unsigned h)
        : width(w)
        , height(h)
        , rgba(std::size_t(w) * h * 4, 0)
    { }

    std::uint8_t* pixel(unsigned x, unsigned y) { return &rgba[(std::size_t(y) * width + x) * 4]; }
    const std::uint8_t* pixel(unsigned x, unsigned y) const
    {
        return &rgba[(std::size_t(y) * width + x) * 4];
    }
};
