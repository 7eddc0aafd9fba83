#include "render/BlurFilter.h"
#include "render/Picture.h"
#include "render/ViewRenderer.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIView.h"
#include "uikit/UIVisualEffectView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

using render::BlurFilter;
using render::Picture;

namespace {

void fill(Picture& picture, uint32_t argb)
{
    auto* data = cairo_image_surface_get_data(picture.surface());
    int stride = cairo_image_surface_get_stride(picture.surface());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = argb;
    }
    cairo_surface_mark_dirty(picture.surface());
}

int channel(uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xff);
}

} // namespace

TEST(Blur, KeepsAnEvenColourEvenUpToTheEdges)
{
    Picture picture(24, 9);
    fill(picture, 0x80402010);
    BlurFilter::blur(picture.surface(), 4);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), 0x80402010u) << x << "," << y;
    }
}

TEST(Blur, SpreadsASpotEvenlyAndKeepsItsLight)
{
    Picture picture(41, 41);
    fill(picture, 0);
    auto* data = cairo_image_surface_get_data(picture.surface());
    int stride = cairo_image_surface_get_stride(picture.surface());
    for (int y = 19; y <= 21; ++y) {
        for (int x = 19; x <= 21; ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = 0xffffffff;
    }
    cairo_surface_mark_dirty(picture.surface());

    BlurFilter::blur(picture.surface(), 2);

    long total = 0;
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 41; ++x)
            total += channel(picture.pixel(x, y), 24);
    }
    EXPECT_NEAR(total, 9 * 255, 9 * 255 / 20);
    EXPECT_GT(channel(picture.pixel(20, 20), 24), channel(picture.pixel(23, 20), 24));
    EXPECT_GT(channel(picture.pixel(23, 20), 24), 0);
    for (int d = 1; d < 8; ++d) {
        EXPECT_EQ(picture.pixel(20 - d, 20), picture.pixel(20 + d, 20)) << d;
        EXPECT_EQ(picture.pixel(20, 20 - d), picture.pixel(20 + d, 20)) << d;
    }
}

TEST(Blur, ATranslucentEffectViewBlursWhatLiesBeneathIt)
{
    auto root = UIView::create(CGRectMake(0, 0, 60, 60));
    root->setBackgroundColor(UIColor::redColor());
    auto effect = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    effect->setFrame(CGRectMake(10, 10, 40, 40));
    effect->setAlpha(0.5);
    root->addSubview(effect);

    Picture picture = render::ViewRenderer(2).render(*root);

    // Red under the dark tint (white 0.11 at 0.73), half faded back to red.
    uint32_t pixel = picture.pixel(60, 60);
    EXPECT_NEAR(channel(pixel, 16), std::lround(255 * (0.5 + 0.5 * (0.27 + 0.11 * 0.73))), 2);
    EXPECT_NEAR(channel(pixel, 8), std::lround(255 * 0.5 * 0.11 * 0.73), 2);
    EXPECT_EQ(picture.pixel(5, 5), 0xffff0000u);
}

// Three box passes, each along every row and then down every column, with the end pixels
// repeated beyond the edges: the filter as plainly as it can be written, to hold the fast one to.
TEST(Blur, IsExactlyThreeClampedBoxPassesWhateverTheShape)
{
    auto plainBlur = [](std::vector<uint32_t> pixels, int width, int height, int radius) {
        auto pass = [&](int count, int lines, auto at) {
            std::vector<uint32_t> line(static_cast<size_t>(count));
            for (int l = 0; l < lines; ++l) {
                for (int i = 0; i < count; ++i)
                    line[static_cast<size_t>(i)] = at(l, i);
                for (int i = 0; i < count; ++i) {
                    uint32_t result = 0;
                    for (int shift = 0; shift < 32; shift += 8) {
                        uint64_t sum = 0;
                        for (int k = i - radius; k <= i + radius; ++k)
                            sum += (line[static_cast<size_t>(std::clamp(k, 0, count - 1))] >> shift) & 0xff;
                        uint64_t reciprocal = (uint64_t(1) << 32) / static_cast<uint64_t>(2 * radius + 1);
                        result |= static_cast<uint32_t>((sum * reciprocal + (uint64_t(1) << 31)) >> 32) << shift;
                    }
                    at(l, i) = result;
                }
            }
        };
        for (int round = 0; round < 3; ++round) {
            pass(width, height, [&](int y, int x) -> uint32_t& { return pixels[static_cast<size_t>(y * width + x)]; });
            pass(height, width, [&](int x, int y) -> uint32_t& { return pixels[static_cast<size_t>(y * width + x)]; });
        }
        return pixels;
    };

    struct Shape {
        int width, height;
        double sigma;
    } shapes[] = { { 1, 1, 3 }, { 37, 5, 2 }, { 5, 37, 2 }, { 64, 48, 5 }, { 3, 90, 6 } };
    uint32_t seed = 12345;
    for (auto [width, height, sigma] : shapes) {
        Picture picture(width, height);
        auto* data = cairo_image_surface_get_data(picture.surface());
        int stride = cairo_image_surface_get_stride(picture.surface());
        std::vector<uint32_t> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                seed = seed * 1664525 + 1013904223;
                uint32_t alpha = seed >> 24, colour = seed >> 8;
                // Premultiplied: no channel above its alpha.
                uint32_t pixel = alpha << 24 | std::min((colour >> 16) & 0xff, alpha) << 16
                    | std::min((colour >> 8) & 0xff, alpha) << 8 | std::min(colour & 0xff, alpha);
                reinterpret_cast<uint32_t*>(data + y * stride)[x] = pixel;
                pixels.push_back(pixel);
            }
        }
        cairo_surface_mark_dirty(picture.surface());
        BlurFilter::blur(picture.surface(), sigma);
        auto expected = plainBlur(pixels, width, height, BlurFilter::boxRadius(sigma));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(picture.pixel(x, y), expected[static_cast<size_t>(y * width + x)])
                    << width << "x" << height << " at " << x << "," << y;
        }
    }
}
