#include "render/PathBuilder.h"

#include <algorithm>
#include <numbers>

namespace render {

void PathBuilder::roundedRect(cairo_t* cr, const CGRect& rect, CGFloat radius)
{
    CGFloat x = CGRectGetMinX(rect), y = CGRectGetMinY(rect);
    CGFloat width = CGRectGetWidth(rect), height = CGRectGetHeight(rect);
    radius = std::clamp(radius, 0.0, std::min(width, height) / 2);
    if (radius <= 0) {
        cairo_rectangle(cr, x, y, width, height);
        return;
    }
    constexpr double quarter = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_arc(cr, x + width - radius, y + radius, radius, 3 * quarter, 4 * quarter);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, quarter);
    cairo_arc(cr, x + radius, y + height - radius, radius, quarter, 2 * quarter);
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
