// Our own PNG writer read back by libpng, pixel for pixel, over pictures that stress its deflate:
// flat areas (runs crossing rows and blocks), gradients (repeats a pixel back), noise (nothing
// repeats, so blocks are stored), the edges of sizes.
#include "uikit/PNGFile.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

namespace {

using Painter = std::function<void(unsigned x, unsigned y, std::uint8_t* rgba)>;

Bitmap painted(unsigned width, unsigned height, bool opaque, const Painter& paint)
{
    Bitmap bitmap(width, height);
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            std::uint8_t* pixel = bitmap.pixel(x, y);
            pixel[3] = 255;
            paint(x, y, pixel);
            if (opaque)
                pixel[3] = 255;
        }
    if (!opaque)
        bitmap.pixel(0, 0)[3] = 0;
    return bitmap;
}

std::uint8_t noise(unsigned x, unsigned y, unsigned channel)
{
    std::uint32_t value = (x * 73856093u) ^ (y * 19349663u) ^ (channel * 83492791u);
    value ^= value >> 13;
    value *= 0x5bd1e995u;
    return static_cast<std::uint8_t>(value ^ (value >> 15));
}

// A screen as the simulator draws one: a vertical gradient, flat panels, and text-like specks.
void screen(unsigned x, unsigned y, std::uint8_t* rgba)
{
    rgba[0] = static_cast<std::uint8_t>(20 + y / 8);
    rgba[1] = static_cast<std::uint8_t>(40 + y / 12);
    rgba[2] = static_cast<std::uint8_t>(90 + x / 6);
    if (y % 120 > 20 && y % 120 < 100 && x > 30 && x < 720) {
        rgba[0] = rgba[1] = rgba[2] = 235;
        if (y % 120 > 40 && y % 120 < 60 && noise(x / 3, y / 3, 0) < 90)
            rgba[0] = rgba[1] = rgba[2] = static_cast<std::uint8_t>(noise(x, y, 1) / 4);
    }
}

// What zlib's fastest level makes of the picture's rows after the Up filter, as libpng wrote them.
size_t zlibFastestSize(const Bitmap& bitmap)
{
    std::vector<std::uint8_t> filtered;
    for (unsigned y = 0; y < bitmap.height; ++y) {
        filtered.push_back(2);
        for (unsigned x = 0; x < bitmap.width; ++x)
            for (unsigned c = 0; c < 3; ++c)
                filtered.push_back(
                    static_cast<std::uint8_t>(bitmap.pixel(x, y)[c] - (y ? bitmap.pixel(x, y - 1)[c] : 0)));
    }
    std::vector<std::uint8_t> compressed(compressBound(filtered.size()));
    uLongf size = compressed.size();
    EXPECT_EQ(compress2(compressed.data(), &size, filtered.data(), filtered.size(), 1), Z_OK);
    return size;
}

} // namespace

TEST(PNGFileWriting, EveryPixelReadsBackThroughLibpng)
{
    struct Case {
        const char* name;
        unsigned width;
        unsigned height;
        Painter paint;
    };
    auto flat = [](unsigned, unsigned, std::uint8_t* p) { p[0] = 10, p[1] = 200, p[2] = 30, p[3] = 77; };
    auto gradients = [](unsigned x, unsigned y, std::uint8_t* p) {
        p[0] = static_cast<std::uint8_t>(x), p[1] = static_cast<std::uint8_t>(y),
        p[2] = static_cast<std::uint8_t>(x + y), p[3] = static_cast<std::uint8_t>(255 - y);
    };
    auto vertical = [](unsigned, unsigned y, std::uint8_t* p) {
        p[0] = p[1] = p[2] = p[3] = static_cast<std::uint8_t>(y * 3);
    };
    auto random = [](unsigned x, unsigned y, std::uint8_t* p) {
        for (unsigned c = 0; c < 4; ++c)
            p[c] = noise(x, y, c);
    };
    // Long runs across rows and past the block sizes, broken by lone pixels.
    auto specks = [](unsigned x, unsigned y, std::uint8_t* p) {
        p[0] = p[1] = p[2] = (x * 31 + y * 17) % 9973 == 0 ? 255 : 0;
        p[3] = 200;
    };
    // A byte pattern a match longer than 258 bytes covers, both a pixel and a byte back.
    auto stripes = [](unsigned x, unsigned y, std::uint8_t* p) {
        p[0] = p[1] = p[2] = p[3] = (y / 2 % 2 || x > 700) ? 255 : static_cast<std::uint8_t>(x % 5);
    };
    // Noise and flat areas taking turns, so that blocks change between stored and coded.
    auto patches = [&](unsigned x, unsigned y, std::uint8_t* p) {
        if (y / 40 % 2)
            random(x, y, p);
        else
            gradients(x / 16, y, p);
    };
    std::vector<Case> cases {
        { "one pixel", 1, 1, random },
        { "one row", 7, 1, gradients },
        { "one column", 1, 9, gradients },
        { "odd width", 333, 17, gradients },
        { "flat", 64, 64, flat },
        { "vertical gradient", 50, 300, vertical },
        { "horizontal and vertical gradients", 301, 257, gradients },
        { "noise", 200, 150, random },
        { "long runs", 2001, 400, specks },
        { "maximum matches", 1030, 40, stripes },
        { "noise and flat areas", 640, 480, patches },
        { "the widest", PNGFile::maximumSide, 2, gradients },
        { "the tallest", 2, PNGFile::maximumSide, gradients },
        { "the demo screen", 750, 1334, screen },
    };
    for (const auto& c : cases) {
        for (bool opaque : { true, false }) {
            SCOPED_TRACE(std::string(c.name) + (opaque ? ", opaque" : ", with alpha"));
            Bitmap bitmap = painted(c.width, c.height, opaque, c.paint);
            auto bytes = PNGFile::encode(bitmap);
            EXPECT_EQ(bytes[25], opaque ? 2 : 6) << "colour type";
            auto decoded = PNGFile::decode(bytes);
            ASSERT_TRUE(decoded);
            EXPECT_EQ(decoded->width, c.width);
            EXPECT_EQ(decoded->height, c.height);
            EXPECT_TRUE(decoded->rgba == bitmap.rgba);
        }
    }
}

TEST(PNGFileWriting, RowsFromASourceAreWrittenAsGiven)
{
    std::vector<std::uint8_t> row(5 * 3);
    auto bytes = PNGFile::encode(5, 4, false, [&](unsigned y) {
        for (unsigned i = 0; i < row.size(); ++i)
            row[i] = static_cast<std::uint8_t>(y * 40 + i);
        return row.data();
    });
    auto decoded = PNGFile::decode(bytes);
    ASSERT_TRUE(decoded);
    for (unsigned y = 0; y < 4; ++y)
        for (unsigned x = 0; x < 5; ++x)
            EXPECT_EQ(decoded->pixel(x, y)[1], y * 40 + x * 3 + 1);
}

TEST(PNGFileWriting, FilesAreAtMostTwiceZlibsFastestAndNoiseLittleMoreThanItsPixels)
{
    auto screenPicture = painted(750, 1334, true, screen);
    EXPECT_LT(PNGFile::encode(screenPicture).size(), 2 * zlibFastestSize(screenPicture));

    const char* source = std::getenv("LUMORA_SOURCE_DIR");
    ASSERT_NE(source, nullptr) << "LUMORA_SOURCE_DIR is not set (ctest sets it)";
    std::ifstream file(std::string(source) + "/sim/examples/lockscreen.png", std::ios::binary);
    auto lockScreen = PNGFile::decode(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
    ASSERT_TRUE(lockScreen);
    auto bytes = PNGFile::encode(*lockScreen);
    auto decoded = PNGFile::decode(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(decoded->rgba == lockScreen->rgba);
    EXPECT_LT(bytes.size(), 2 * zlibFastestSize(*lockScreen));

    Bitmap random = painted(300, 200, true, [](unsigned x, unsigned y, std::uint8_t* p) {
        for (unsigned c = 0; c < 3; ++c)
            p[c] = noise(x, y, c);
    });
    EXPECT_LT(PNGFile::encode(random).size(), 300u * 200 * 3 * 1001 / 1000 + 300);
}

TEST(PNGFileWriting, RefusesSizesItCannotWrite)
{
    auto row = [](unsigned) { return static_cast<const std::uint8_t*>(nullptr); };
    EXPECT_THROW(PNGFile::encode(0, 5, false, row), std::invalid_argument);
    EXPECT_THROW(PNGFile::encode(5, 0, false, row), std::invalid_argument);
    EXPECT_THROW(PNGFile::encode(PNGFile::maximumSide + 1, 1, true, row), std::invalid_argument);
    Bitmap broken(3, 3);
    broken.rgba.pop_back();
    EXPECT_THROW(PNGFile::encode(broken), std::invalid_argument);
}
