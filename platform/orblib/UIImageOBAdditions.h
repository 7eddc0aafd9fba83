#pragma once

#include <memory>

class UIColor;
class UIImage;

// The support library's category on images.
namespace orblib::UIImageOBAdditions {

// One opaque colour standing for the image: the alpha-weighted average of its pixels that are at
// least half opaque, with the saturation s raised to 1 - (1 - s)^2 at the same hue and
// brightness, since an average drifts towards grey and the colour serves as an accent. Greys
// stay grey. Nothing when no pixel is at least half opaque.
std::shared_ptr<UIColor> mergedColor(const UIImage&);

// Adds mergedColor to UIImage's method table in the current simulated process.
void registerMethods();

} // namespace orblib::UIImageOBAdditions
