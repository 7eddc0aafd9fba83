#include "orblib/OBImageFactory.h"

#include "contracts/OBImageFactory.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace orblib {
namespace {

// Larger copies are a caller's mistake (a size in pixels passed as points, a runaway layout),
// not a picture anyone draws.
constexpr long maximumSide = 8192;

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

struct Tap {
    unsigned source;
    float weight;
};

// For each destination pixel of one axis, the source pixels it takes and their weights: when
// shrinking, the source pixels it covers, each by how much of it is covered; when enlarging, its
// two nearest source pixels by distance (bilinear), the edge pixels standing in past the edges.
std::vector<std::vector<Tap>> filterTaps(unsigned sourceLength, unsigned destinationLength)
{
    const double step = double(sourceLength) / destinationLength;
    std::vector<std::vector<Tap>> taps(destinationLength);
    for (unsigned i = 0; i < destinationLength; ++i) {
        if (step > 1) {
            const double start = i * step, end = start + step;
            for (auto j = static_cast<unsigned>(start); j < end && j < sourceLength; ++j)
                taps[i].push_back(
                    { j, static_cast<float>(std::min(end, j + 1.0) - std::max(start, double(j))) });
        } else {
            const double centre = (i + 0.5) * step - 0.5;
            const double left = std::floor(centre);
            const auto clamped
                = [&](double j) { return static_cast<unsigned>(std::clamp(j, 0.0, sourceLength - 1.0)); };
            taps[i].push_back({ clamped(left), static_cast<float>(left + 1 - centre) });
            taps[i].push_back({ clamped(left + 1), static_cast<float>(centre - left) });
        }
        float total = 0;
        for (auto& tap : taps[i])
            total += tap.weight;
        for (auto& tap : taps[i])
            tap.weight /= total;
    }
    return taps;
}

Bitmap resample(const Bitmap& source, unsigned width, unsigned height)
{
    // Premultiplied floats, resized along x, then along y.
    std::vector<float> premultiplied(source.rgba.size());
    for (size_t i = 0; i < source.rgba.size(); i += 4) {
        float alpha = source.rgba[i + 3] / 255.0f;
        for (int c = 0; c < 3; ++c)
            premultiplied[i + c] = source.rgba[i + c] * alpha;
        premultiplied[i + 3] = source.rgba[i + 3];
    }
    auto columns = filterTaps(source.width, width);
    std::vector<float> wide(size_t(width) * source.height * 4, 0);
    for (unsigned y = 0; y < source.height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            float* out = &wide[(size_t(y) * width + x) * 4];
            for (auto tap : columns[x]) {
                const float* in = &premultiplied[(size_t(y) * source.width + tap.source) * 4];
                for (int c = 0; c < 4; ++c)
                    out[c] += in[c] * tap.weight;
            }
        }
    }
    auto rows = filterTaps(source.height, height);
    Bitmap result(width, height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            float sum[4] = {};
            for (auto tap : rows[y]) {
                const float* in = &wide[(size_t(tap.source) * width + x) * 4];
                for (int c = 0; c < 4; ++c)
                    sum[c] += in[c] * tap.weight;
            }
            std::uint8_t* out = result.pixel(x, y);
            float alpha = sum[3] / 255.0f;
            for (int c = 0; c < 3; ++c)
                out[c] = alpha > 0 ? toByte(sum[c] / alpha) : 0;
            out[3] = toByte(sum[3]);
        }
    }
    return result;
}

std::optional<unsigned> pixelLength(CGFloat points, CGFloat scale)
{
    if (!std::isfinite(points) || points <= 0)
        return std::nullopt;
    double pixels = std::max(1.0, std::round(points * scale));
    if (pixels > maximumSide)
        return std::nullopt;
    return static_cast<unsigned>(pixels);
}

std::shared_ptr<NSObject> imageSetColorImplementation(
    Class, SEL, std::shared_ptr<UIImage> image, std::shared_ptr<UIColor> color)
{
    return OBImageFactory::image(image, color);
}

std::shared_ptr<NSObject> imageSetScaleImplementation(Class, SEL, std::shared_ptr<UIImage> image, CGSize size)
{
    return OBImageFactory::image(image, size);
}

} // namespace

std::shared_ptr<UIImage> OBImageFactory::image(
    const std::shared_ptr<UIImage>& image, const std::shared_ptr<UIColor>& color)
{
    if (!image || !color)
        return nullptr;
    return image->imageWithTintColor(*color);
}

std::shared_ptr<UIImage> OBImageFactory::image(const std::shared_ptr<UIImage>& image, CGSize size)
{
    if (!image || !image->bitmap().width || !image->bitmap().height)
        return nullptr;
    auto width = pixelLength(size.width, image->scale());
    auto height = pixelLength(size.height, image->scale());
    if (!width || !height)
        return nullptr;
    // Resized copies are made by the dozen when overlays are built, and most are never shown.
    return UIImage::imageDrawnWhenNeeded(
        *width, *height,
        [image, width = *width, height = *height] { return resample(image->bitmap(), width, height); },
        image->scale(), image->name());
}

void OBImageFactory::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::OBImageFactory::imageSetColor, &imageSetColorImplementation);
    staticClass()->addClassMethod(contracts::OBImageFactory::imageSetScale, &imageSetScaleImplementation);
}

} // namespace orblib
