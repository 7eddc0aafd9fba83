#include "orblib/AppIcon.h"
#include "orblib/IconLetters.h"
#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The icon as it was first drawn, pixel by pixel from distances and 16 samples: the faster
// drawing must give the very same bytes.
struct ReferenceIcon {
    const std::array<std::uint8_t, 7>* letter;
    const std::uint8_t* background;
    unsigned pixels;

    static double roundedSquare(double x, double y)
    {
        constexpr double radius = 0.225;
        double dx = std::max(std::abs(x - 0.5) - (0.5 - radius), 0.0);
        double dy = std::max(std::abs(y - 0.5) - (0.5 - radius), 0.0);
        return std::hypot(dx, dy) - radius;
    }

    bool inGlyph(double x, double y) const
    {
        constexpr double cell = 0.5 / 7;
        auto column = static_cast<int>(std::floor((x - (0.5 - 2.5 * cell)) / cell));
        auto row = static_cast<int>(std::floor((y - 0.25) / cell));
        return column >= 0 && column < 5 && row >= 0 && row < 7 && ((*letter)[row] & (0b10000 >> column));
    }

    double glyphCoverage(unsigned x, unsigned y) const
    {
        int inside = 0;
        for (int sy = 0; sy < 4; ++sy) {
            for (int sx = 0; sx < 4; ++sx)
                inside += inGlyph((x + (sx + 0.5) / 4) / pixels, (y + (sy + 0.5) / 4) / pixels);
        }
        return inside / 16.0;
    }

    std::array<std::uint8_t, 4> pixel(unsigned x, unsigned y) const
    {
        double u = (x + 0.5) / pixels, v = (y + 0.5) / pixels;
        double white = letter ? glyphCoverage(x, y) : 0;
        std::array<std::uint8_t, 4> rgba {};
        for (int c = 0; c < 3; ++c)
            rgba[c] = static_cast<std::uint8_t>(std::lround(background[c] + (255 - background[c]) * white));
        double coverage = std::clamp(0.5 - roundedSquare(u, v) * pixels, 0.0, 1.0);
        rgba[3] = static_cast<std::uint8_t>(std::lround(coverage * 255));
        return rgba;
    }
};

} // namespace

TEST(AppIcon, DrawsEveryLetterAndThePlainSquareAsTheReferenceDoesAtEveryScale)
{
    std::vector<std::string> names { "4 Seasons", "" };
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        names.push_back(std::string(1, letter) + "pp");
    names.push_back("quiet");
    for (CGFloat scale : { 1.0, 2.0, 3.0 }) {
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), scale);
        for (const auto& name : names) {
            SCOPED_TRACE(name + " @" + std::to_string(scale));
            auto icon = orblib::appIcon({ "com.example.icon." + name, name, nullptr, "" });
            const auto& bitmap = icon->bitmap();
            auto pixels = static_cast<unsigned>(60 * scale);
            ASSERT_EQ(bitmap.width, pixels);
            ASSERT_EQ(bitmap.height, pixels);
            // Above the letter and inside the square: the plain background.
            const std::uint8_t* background = bitmap.pixel(pixels / 2, pixels / 10);
            char initial = name.empty() ? 0 : static_cast<char>(std::toupper(name.front()));
            ReferenceIcon reference { orblib::iconLetter(initial), background, pixels };
            unsigned differing = 0;
            for (unsigned y = 0; y < pixels; ++y) {
                for (unsigned x = 0; x < pixels; ++x) {
                    auto expected = reference.pixel(x, y);
                    differing += !std::equal(expected.begin(), expected.end(), bitmap.pixel(x, y));
                }
            }
            EXPECT_EQ(differing, 0u);
        }
    }
}
