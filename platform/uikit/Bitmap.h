#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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

    // Whether every alpha is 255, two pixels at a time: a wallpaper is a million of them.
    bool isOpaque() const
    {
        const std::uint8_t* p = rgba.data();
        std::uint64_t all = ~std::uint64_t(0);
        for (std::size_t pair = 0; pair < rgba.size() / 8; ++pair, p += 8) {
            std::uint64_t two;
            std::memcpy(&two, p, 8);
            all &= two;
        }
        bool pairsOpaque = (all & 0xff000000ff000000u) == 0xff000000ff000000u;
        return pairsOpaque && (rgba.size() % 8 == 0 || rgba.back() == 255);
    }
};
