#include "render/PathBuilder.h"

#include <algorithm>
#include <numbers>

namespace render {

void PathBuilder::roundedRect(cairo_t* cr, const CGRect& rect, CGFloat radius, unsigned corners)
{
    CGFloat x = CGRectGetMinX(rect), y = CGRectGetMinY(rect);
    CGFloat width = CGRectGetWidth(rect), height = CGRectGetHeight(rect);
    radius = std::clamp(radius, 0.0, std::min(width, height) / 2);
    if (radius <= 0 || !(corners & AllCorners)) {
        cairo_rectangle(cr, x, y, width, height);
        return;
    }
    constexpr double quarter = std::numbers::pi / 2;
    auto corner = [&](unsigned bit, CGFloat cx, CGFloat cy, CGFloat px, CGFloat py, double from) {
        if (corners & bit)
            cairo_arc(cr, cx, cy, radius, from, from + quarter);
        else
            cairo_line_to(cr, px, py);
    };
    cairo_new_sub_path(cr);
    corner(CornerTopLeft, x + radius, y + radius, x, y, 2 * quarter);
    corner(CornerTopRight, x + width - radius, y + radius, x + width, y, 3 * quarter);
    corner(CornerBottomRight, x + width - radius, y + height - radius, x + width, y + height, 0);
    corner(CornerBottomLeft, x + radius, y + height - radius, x, y + height, quarter);
    cairo_close_path(cr);
}

void PathBuilder::append(cairo_t* cr, const CGPath& path)
{
    for (const CGPathElement& element : path.elements) {
        const CGPoint* p = element.points;
        switch (element.type) {
        case CGPathElementType::MoveToPoint:
            cairo_move_to(cr, p[0].x, p[0].y);
            break;
        case CGPathElementType::AddLineToPoint:
            cairo_line_to(cr, p[0].x, p[0].y);
            break;
        case CGPathElementType::AddCurveToPoint:
            cairo_curve_to(cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
            break;
        case CGPathElementType::CloseSubpath:
            cairo_close_path(cr);
            break;
        }
    }
}

} // namespace render
