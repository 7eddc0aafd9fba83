#pragma once

#include "uikit/UIImage.h"

#include <cstdint>
#include <functional>
#include <memory>

// Pictures made by code, so picture tests need no image files.
struct TestImages {
    using Shader = std::function<uint32_t(unsigned x, unsigned y)>; // 0xRRGGBBAA, straight alpha
    static std::shared_ptr<UIImage> make(unsigned width, unsigned height, CGFloat scale, const Shader&);
    // Diagonal bands of saturated colours: blurring them shows at once.
    static std::shared_ptr<UIImage> colourBands(unsigned width, unsigned height, CGFloat scale = 2);
    // A filled circle on transparency, like an icon.
    static std::shared_ptr<UIImage> dot(unsigned side, uint32_t rgba, CGFloat scale = 2);
};
