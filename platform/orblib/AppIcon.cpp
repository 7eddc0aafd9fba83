#include "orblib/AppIcon.h"

#include "objc/ProcessLocal.h"
#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

namespace orblib {
namespace {

constexpr CGFloat iconSide = 60;

// Capital letters on a grid of 5 by 7, one row a number, the leftmost column the highest bit.
constexpr std::array<std::array<std::uint8_t, 7>, 26> letters { {
    { 0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001 },
    { 0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110 },
    { 0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110 },
    { 0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11110 },
    { 0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111 },
    { 0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000 },
    { 0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111 },
    { 0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001 },
    { 0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110 },
    { 0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100 },
    { 0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001 },
    { 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111 },
    { 0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001 },
    { 0b10001, 0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001 },
    { 0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110 },
    { 0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000 },
    { 0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101 },
    { 0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001 },
    { 0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110 },
    { 0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100 },
    { 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110 },
    { 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100 },
    { 0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010 },
    { 0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001 },
    { 0b10001, 0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100 },
    { 0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111 },
} };

constexpr std::array<std::array<std::uint8_t, 3>, 8> backgrounds { {
    { 0xe8, 0x4a, 0x3c },
    { 0xf2, 0x9b, 0x1d },
    { 0x3d, 0xb3, 0x5a },
    { 0x1e, 0x88, 0xe5 },
    { 0x7e, 0x57, 0xc2 },
    { 0xe0, 0x24, 0x5e },
    { 0x00, 0x96, 0x88 },
    { 0x54, 0x5d, 0x6a },
} };

// Signed distances in the unit square (y down), negative inside.
double roundedSquare(double x, double y)
{
    constexpr double radius = 0.225;
    double dx = std::max(std::abs(x - 0.5) - (0.5 - radius), 0.0);
    double dy = std::max(std::abs(y - 0.5) - (0.5 - radius), 0.0);
    return std::hypot(dx, dy) - radius;
}

bool inGlyph(const std::array<std::uint8_t, 7>& rows, double x, double y)
{
    constexpr double cell = 0.5 / 7;
    auto column = static_cast<int>(std::floor((x - (0.5 - 2.5 * cell)) / cell));
    auto row = static_cast<int>(std::floor((y - 0.25) / cell));
    return column >= 0 && column < 5 && row >= 0 && row < 7 && (rows[row] & (0b10000 >> column));
}

// The share of the pixel that the letter covers, from 4 by 4 samples: the cells meet edge to
// edge, which distances alone would draw with seams.
double glyphCoverage(const std::array<std::uint8_t, 7>& rows, unsigned x, unsigned y, unsigned pixels)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx)
            inside += inGlyph(rows, (x + (sx + 0.5) / 4) / pixels, (y + (sy + 0.5) / 4) / pixels);
    }
    return inside / 16.0;
}

double coverage(double distance, unsigned pixels)
{
    return std::clamp(0.5 - distance * pixels, 0.0, 1.0);
}

std::shared_ptr<UIImage> drawnIcon(const InstalledApp& app)
{
    unsigned sum = 0;
    for (unsigned char c : app.bundleIdentifier)
        sum = sum * 31 + c;
    auto& background = backgrounds[sum % backgrounds.size()];
    char initial = app.displayName.empty() ? 0 : app.displayName.front();
    if (initial >= 'a' && initial <= 'z')
        initial = static_cast<char>(initial - 'a' + 'A');
    const auto* letter = initial >= 'A' && initial <= 'Z' ? &letters[initial - 'A'] : nullptr;

    CGFloat scale = UIScreen::mainScreen()->scale();
    auto pixels = static_cast<unsigned>(std::max(1.0, std::round(iconSide * scale)));
    // Every installed app gets one at start-up; only those on screen are ever drawn.
    auto draw = [&background, letter, pixels] {
        Bitmap bitmap(pixels, pixels);
        for (unsigned y = 0; y < pixels; ++y) {
            for (unsigned x = 0; x < pixels; ++x) {
                double u = (x + 0.5) / pixels, v = (y + 0.5) / pixels;
                double white = letter ? glyphCoverage(*letter, x, y, pixels) : 0;
                std::uint8_t* pixel = bitmap.pixel(x, y);
                for (int c = 0; c < 3; ++c)
                    pixel[c] = static_cast<std::uint8_t>(
                        std::lround(background[c] + (255 - background[c]) * white));
                pixel[3]
                    = static_cast<std::uint8_t>(std::lround(coverage(roundedSquare(u, v), pixels) * 255));
            }
        }
        return bitmap;
    };
    return UIImage::imageDrawnWhenNeeded(pixels, pixels, draw, scale, "AppIcon/" + app.bundleIdentifier);
}

// Drawing an icon costs about as much as laying out a whole screen, and the table asks for the
// icon of every section on each reload: each icon, drawn or not yet, is kept for the life of the process.
using DrawnIconKey = std::tuple<std::string, std::string, CGFloat>;
objc::ProcessLocal<std::map<DrawnIconKey, std::shared_ptr<UIImage>>> s_drawnIcons;
std::mutex s_drawnIconsMutex;

std::shared_ptr<UIImage> keptDrawnIcon(const InstalledApp& app)
{
    DrawnIconKey key { app.bundleIdentifier, app.displayName.substr(0, 1), UIScreen::mainScreen()->scale() };
    std::lock_guard lock(s_drawnIconsMutex);
    auto& kept = s_drawnIcons.get()[key];
    if (!kept)
        kept = drawnIcon(app);
    return kept;
}

} // namespace

std::shared_ptr<UIImage> appIcon(const InstalledApp& app)
{
    if (app.icon)
        return app.icon;
    if (!app.iconPath.empty()) {
        if (auto loaded = UIImage::imageWithContentsOfFile(app.iconPath))
            return loaded;
    }
    return keptDrawnIcon(app);
}

} // namespace orblib
