#include "orblib/AppIcon.h"

#include "orblib/IconLetters.h"

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
#include <vector>

namespace orblib {
namespace {

constexpr CGFloat iconSide = 60;

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

// The icon's alpha, one byte a pixel: the same for every icon of a size. Only the corners need
// the distance to a circle; along the sides one of the offsets is zero and hypot gives the other.
std::vector<std::uint8_t> roundedSquareAlpha(unsigned pixels)
{
    constexpr double radius = 0.225;
    std::vector<std::uint8_t> alpha(std::size_t { pixels } * pixels);
    for (unsigned y = 0; y < pixels; ++y) {
        double dy = std::max(std::abs((y + 0.5) / pixels - 0.5) - (0.5 - radius), 0.0);
        for (unsigned x = 0; x < pixels; ++x) {
            double dx = std::max(std::abs((x + 0.5) / pixels - 0.5) - (0.5 - radius), 0.0);
            double distance = (dx == 0 || dy == 0 ? dx + dy : std::hypot(dx, dy)) - radius;
            double coverage = std::clamp(0.5 - distance * pixels, 0.0, 1.0);
            alpha[std::size_t { y } * pixels + x] = static_cast<std::uint8_t>(std::lround(coverage * 255));
        }
    }
    return alpha;
}

// The letter's cell under each of the 4 samples across a pixel, along one axis (columns from
// `offset` = 0.5 - 2.5 cells, rows from 0.25), or -1 outside the letter's box.
std::vector<int> sampleCells(unsigned pixels, double offset, int cells)
{
    constexpr double cell = 0.5 / 7;
    std::vector<int> cellOf(std::size_t { pixels } * 4);
    for (unsigned x = 0; x < pixels; ++x) {
        for (int s = 0; s < 4; ++s) {
            auto index = static_cast<int>(std::floor(((x + (s + 0.5) / 4) / pixels - offset) / cell));
            cellOf[x * 4 + s] = index >= 0 && index < cells ? index : -1;
        }
    }
    return cellOf;
}

// How many of the 4 samples across each pixel column fall on a set cell, for each of the 32
// rows a letter can have: a pixel's share of the letter, in 16ths, is then one look-up per
// sample row.
std::vector<std::uint8_t> samplesOnCells(unsigned pixels)
{
    constexpr double cell = 0.5 / 7;
    auto columns = sampleCells(pixels, 0.5 - 2.5 * cell, 5);
    std::vector<std::uint8_t> samples(std::size_t { pixels } * 32);
    for (unsigned x = 0; x < pixels; ++x) {
        for (unsigned row = 0; row < 32; ++row) {
            for (int s = 0; s < 4; ++s) {
                int column = columns[x * 4 + s];
                samples[x * 32 + row] += column >= 0 && (row & (0b10000 >> column));
            }
        }
    }
    return samples;
}

struct IconGeometry {
    std::vector<std::uint8_t> alpha;
    std::vector<std::uint8_t> samplesOnCells;
    std::vector<int> rows;
};

// Icons may be drawn off the main thread, when something first asks for their pixels.
const IconGeometry& iconGeometry(unsigned pixels)
{
    static std::map<unsigned, IconGeometry> geometries;
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    auto& geometry = geometries[pixels];
    if (geometry.alpha.empty())
        geometry = { roundedSquareAlpha(pixels), samplesOnCells(pixels), sampleCells(pixels, 0.25, 7) };
    return geometry;
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
    const auto* letter = iconLetter(initial);

    CGFloat scale = UIScreen::mainScreen()->scale();
    auto pixels = static_cast<unsigned>(std::max(1.0, std::round(iconSide * scale)));
    // Every installed app gets one at start-up; only those on screen are ever drawn.
    auto draw = [&background, letter, pixels] {
        const auto& geometry = iconGeometry(pixels);
        std::array<std::array<std::uint8_t, 3>, 17> shades {};
        for (int inside = 0; inside <= 16; ++inside) {
            for (int c = 0; c < 3; ++c)
                shades[inside][c] = static_cast<std::uint8_t>(
                    std::lround(background[c] + (255 - background[c]) * (inside / 16.0)));
        }
        // 4 by 4 samples a pixel: the cells meet edge to edge, which distances alone would draw with seams.
        Bitmap bitmap(pixels, pixels);
        for (unsigned y = 0; y < pixels; ++y) {
            std::array<unsigned, 4> letterRows {};
            for (int sy = 0; sy < 4; ++sy) {
                int row = geometry.rows[y * 4 + sy];
                letterRows[sy] = letter && row >= 0 ? (*letter)[row] : 0;
            }
            bool crossesLetter = std::ranges::any_of(letterRows, [](unsigned row) { return row != 0; });
            const std::uint8_t* samples = geometry.samplesOnCells.data();
            for (unsigned x = 0; x < pixels; ++x, samples += 32) {
                unsigned inside = crossesLetter ? samples[letterRows[0]] + samples[letterRows[1]]
                        + samples[letterRows[2]] + samples[letterRows[3]]
                                                : 0;
                std::uint8_t* pixel = bitmap.pixel(x, y);
                std::copy_n(shades[inside].begin(), 3, pixel);
                pixel[3] = geometry.alpha[std::size_t { y } * pixels + x];
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
