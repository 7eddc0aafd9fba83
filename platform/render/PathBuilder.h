#pragma once

#include "uikit/CGPath.h"

#include <cairo.h>

namespace render {

// Paths for cairo, in the current user space.
class PathBuilder {
public:
    // Appends a rectangle with quarter-circle corners; the radius is capped at half the shorter
    // side, as the platform caps a layer's corner radius.
    static void roundedRect(cairo_t*, const CGRect&, CGFloat radius);
    static void append(cairo_t*, const CGPath&);
};

} // namespace render
