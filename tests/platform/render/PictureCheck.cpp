#include "PictureCheck.h"

#include "render/ViewRenderer.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int tolerance = 8;

int channelDifference(uint32_t a, uint32_t b)
{
    int largest = 0;
    for (int shift = 0; shift < 32; shift += 8)
        largest = std::max(largest, std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
    return largest;
}

// Pixels beyond the tolerance in red over a faded grey copy of the picture.
render::Picture differenceImage(const render::Picture& picture, const render::Picture& reference)
{
    render::Picture diff(picture.width(), picture.height());
    auto* data = cairo_image_surface_get_data(diff.surface());
    int stride = cairo_image_surface_get_stride(diff.surface());
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < picture.width(); ++x) {
            uint32_t pixel = picture.pixel(x, y);
            bool inside = x < reference.width() && y < reference.height();
            if (!inside || channelDifference(pixel, reference.pixel(x, y)) > tolerance) {
                row[x] = 0xffff0000;
                continue;
            }
            uint32_t grey = (((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff)) / 12 + 160;
            row[x] = 0xff000000 | grey << 16 | grey << 8 | grey;
        }
    }
    cairo_surface_mark_dirty(diff.surface());
    return diff;
}

} // namespace

testing::AssertionResult matchesReference(
    const render::Picture& picture, const std::string& name, const std::string& folder)
{
    const char* sourceDir = std::getenv("LUMORA_SOURCE_DIR");
    if (!sourceDir)
        return testing::AssertionFailure() << "LUMORA_SOURCE_DIR is not set (ctest sets it)";
    std::filesystem::path referencePath = std::filesystem::path(sourceDir) / folder / (name + ".png");
    std::filesystem::path outputDir = std::filesystem::current_path() / "render-output";
    std::filesystem::create_directories(outputDir);
    picture.writePNG(outputDir / (name + ".png"));

    if (const char* update = std::getenv("LUMORA_UPDATE_REFERENCES"); update && std::string(update) == "1") {
        picture.writePNG(referencePath);
        return testing::AssertionSuccess();
    }
    if (!std::filesystem::exists(referencePath))
        return testing::AssertionFailure()
            << "no reference " << referencePath << "; run with LUMORA_UPDATE_REFERENCES=1 to create it";

    render::Picture reference = render::Picture::readPNG(referencePath);
    long mismatched = 0;
    int worst = 0;
    for (int y = 0; y < std::min(picture.height(), reference.height()); ++y) {
        for (int x = 0; x < std::min(picture.width(), reference.width()); ++x) {
            int difference = channelDifference(picture.pixel(x, y), reference.pixel(x, y));
            worst = std::max(worst, difference);
            mismatched += difference > tolerance;
        }
    }
    bool sameSize = picture.width() == reference.width() && picture.height() == reference.height();
    if (sameSize && !mismatched)
        return testing::AssertionSuccess();
    std::filesystem::path diffPath = outputDir / (name + "-diff.png");
    differenceImage(picture, reference).writePNG(diffPath);
    return testing::AssertionFailure()
        << name << ": " << picture.width() << "x" << picture.height() << " against " << reference.width()
        << "x" << reference.height() << ", " << mismatched << " pixels differ by more than " << tolerance
        << " (worst " << worst << "); see " << diffPath;
}

testing::AssertionResult screenMatchesReference(const std::string& name, const std::string& folder)
{
    render::ViewRenderer renderer(UIScreen::mainScreen()->scale());
    return matchesReference(renderer.renderScreen(), name, folder);
}
