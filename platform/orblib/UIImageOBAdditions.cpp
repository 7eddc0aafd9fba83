#include "orblib/UIImageOBAdditions.h"

#include "contracts/UIImageOBAdditions.h"
#include "objc/ProcessLocal.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"

#include <algorithm>
#include <array>

namespace orblib::UIImageOBAdditions {
namespace {

constexpr std::uint8_t opaqueEnough = 128;

// Callers ask again and again for the colour of the same few images (the now-playing artwork,
// twice a second), and an image never changes its pixels: the last few answers of the process
// are kept, each for as long as its image lives.
struct RememberedColor {
    std::weak_ptr<const NSObject> image;
    std::shared_ptr<UIColor> color;
};
struct RememberedColors {
    std::array<RememberedColor, 8> entries;
    size_t next { 0 };
};
objc::ProcessLocal<RememberedColors> s_remembered;

std::shared_ptr<UIColor> computeMergedColor(const UIImage& image)
{
    const auto& rgba = image.bitmap().rgba;
    double sum[3] = {};
    double totalWeight = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        if (rgba[i + 3] < opaqueEnough)
            continue;
        double weight = rgba[i + 3] / 255.0;
        for (int c = 0; c < 3; ++c)
            sum[c] += rgba[i + c] / 255.0 * weight;
        totalWeight += weight;
    }
    if (totalWeight == 0)
        return nullptr;
    double average[3];
    for (int c = 0; c < 3; ++c)
        average[c] = sum[c] / totalWeight;
    double brightness = *std::max_element(average, average + 3);
    double darkest = *std::min_element(average, average + 3);
    if (brightness > darkest) {
        double saturation = (brightness - darkest) / brightness;
        double raised = 1 - (1 - saturation) * (1 - saturation);
        for (double& component : average)
            component = brightness - (brightness - component) * raised / saturation;
    }
    return UIColor::colorWithRed(average[0], average[1], average[2], 1);
}

std::shared_ptr<UIColor> mergedColorImplementation(id self, SEL)
{
    auto* image = dynamic_cast<UIImage*>(self);
    return image ? mergedColor(*image) : nullptr;
}

} // namespace

std::shared_ptr<UIColor> mergedColor(const UIImage& image)
{
    auto owner = image.weak_from_this();
    if (owner.expired())
        return computeMergedColor(image);
    auto& remembered = *s_remembered;
    for (auto& entry : remembered.entries) {
        if (entry.image.lock().get() == &image)
            return entry.color;
    }
    auto& entry = remembered.entries[remembered.next++ % remembered.entries.size()];
    entry = { owner, computeMergedColor(image) };
    return entry.color;
}

void registerMethods()
{
    UIImage::staticClass()->addMethod(contracts::UIImageOBAdditions::mergedColor, &mergedColorImplementation);
}

} // namespace orblib::UIImageOBAdditions
