#pragma once

#include "uikit/CGPath.h"

#include <cairo.h>

namespace render {

// Corner bits as the platform numbers them.
enum CornerMask : unsigned {
    CornerTopLeft = 1 << 0,
    CornerTopRight = 1 << 1,
    CornerBottomLeft = 1 << 2,
    CornerBottomRight = 1 << 3,
    AllCorners = 0xf,
};

class PathBuilder {
public:
    // Appends a rectangle whose chosen corners are quarter circles; the radius is capped at
    // half the shorter side, as the platform does.
    static void roundedRect(cairo_t*, const CGRect&, CGFloat radius, unsigned corners = AllCorners);
    static void append(cairo_t*, const CGPath&);
};

} // namespace render
