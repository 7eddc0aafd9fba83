#pragma once

#include "uikit/CGGeometry.h"
#include "uikit/UIBlurEffect.h"

#include <cairo.h>

namespace render {

// Frosted glass: what lies beneath a rectangle, blurred and tinted by the style.
//
// The blur approximates a Gaussian of standard deviation 10 points. It works on a copy scaled
// down by a power of two so that the deviation is about 5 pixels there, tints it, and scales it
// back up with bilinear filtering: a full screen at scale 2 costs about 3 ms. The tint is a grey
// laid over the blur: for the dark style white 0.11 at alpha 0.73, which leaves bright wallpaper
// a dim hint.
class BackdropBlur {
public:
    static constexpr CGFloat sigma = 10;

    // `beneath` is the surface that holds what the rectangle covers (in cairo's device space);
    // the result replaces the rectangle's area in the current target.
    static void paint(cairo_t*, cairo_surface_t* beneath, const CGRect& box, UIBlurEffectStyle);

private:
    // The deviation, in pixels, the blur aims for on its shrunk copy.
    static constexpr CGFloat workingSigma = 5;

    struct Tint {
        CGFloat white;
        CGFloat alpha;
    };
    static Tint tintFor(UIBlurEffectStyle);
};

} // namespace render
