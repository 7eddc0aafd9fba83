#pragma once

#include "uikit/CGGeometry.h"

#include <memory>
#include <optional>
#include <vector>

enum class CGPathElementType { MoveToPoint, AddLineToPoint, AddCurveToPoint, CloseSubpath };

struct CGPathElement {
    CGPathElementType type;
    // Line: points[0]. Curve: two control points, then the end point.
    CGPoint points[3] {};
};

// What a path was made as, when it was made by a shape factory: dumps name the shape rather
// than its curves.
struct CGPathRoundedRect {
    CGRect rect;
    unsigned long corners;
    CGSize cornerRadii;
};

// An immutable outline, in the coordinates of the layer that draws it.
struct CGPath {
    std::vector<CGPathElement> elements;
    std::optional<CGPathRoundedRect> roundedRect;
};
using CGPathRef = std::shared_ptr<const CGPath>;
