#pragma once

#include <cairo.h>

namespace render {

// Three box passes each way approximate a Gaussian closely enough for a frosted background,
// at a cost independent of the radius.
class BlurFilter {
public:
    // Blurs an ARGB32 image surface in place; edges repeat their outermost pixels.
    static void blur(cairo_surface_t* surface, double sigma);
    // The radius of each of the three boxes for a Gaussian of this standard deviation.
    static int boxRadius(double sigma);
};

} // namespace render
