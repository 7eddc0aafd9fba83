#include "uikit/UIBezierPath.h"

#include <algorithm>

namespace {

// How far along a tangent the control points of a cubic quarter ellipse sit.
constexpr CGFloat kappa = 0.5522847498307936;

class PathBuilder {
public:
    void move(CGPoint p) { add({ CGPathElementType::MoveToPoint, { p } }); }
    void line(CGPoint p) { add({ CGPathElementType::AddLineToPoint, { p } }); }
    void close() { add({ CGPathElementType::CloseSubpath, {} }); }
    // A quarter ellipse from the current point to `end`, bulging towards `corner`.
    void corner(CGPoint from, CGPoint corner, CGPoint end)
    {
        CGPoint c1 { from.x + (corner.x - from.x) * kappa, from.y + (corner.y - from.y) * kappa };
        CGPoint c2 { end.x + (corner.x - end.x) * kappa, end.y + (corner.y - end.y) * kappa };
        add({ CGPathElementType::AddCurveToPoint, { c1, c2, end } });
    }
    CGPath take() { return std::move(m_path); }

private:
    void add(CGPathElement element) { m_path.elements.push_back(element); }
    CGPath m_path;
};

} // namespace

UIBezierPath::UIBezierPath(::CGPath path)
    : m_path(std::make_shared<const ::CGPath>(std::move(path)))
{ }

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithRect(CGRect rect)
{
    return bezierPathWithRoundedRect(rect, 0, CGSizeMake(0, 0));
}

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithRoundedRect(
    CGRect rect, unsigned long corners, CGSize cornerRadii)
{
    CGFloat minX = CGRectGetMinX(rect), maxX = CGRectGetMaxX(rect);
    CGFloat minY = CGRectGetMinY(rect), maxY = CGRectGetMaxY(rect);
    CGFloat rx = std::clamp(cornerRadii.width, 0.0, (maxX - minX) / 2);
    CGFloat ry = std::clamp(cornerRadii.height, 0.0, (maxY - minY) / 2);
    auto rounded = [&](unsigned long corner) { return (corners & corner) && rx > 0 && ry > 0; };

    PathBuilder path;
    path.move({ rounded(UIRectCornerTopLeft) ? minX + rx : minX, minY });
    if (rounded(UIRectCornerTopRight)) {
        path.line({ maxX - rx, minY });
        path.corner({ maxX - rx, minY }, { maxX, minY }, { maxX, minY + ry });
    } else {
        path.line({ maxX, minY });
    }
    if (rounded(UIRectCornerBottomRight)) {
        path.line({ maxX, maxY - ry });
        path.corner({ maxX, maxY - ry }, { maxX, maxY }, { maxX - rx, maxY });
    } else {
        path.line({ maxX, maxY });
    }
    if (rounded(UIRectCornerBottomLeft)) {
        path.line({ minX + rx, maxY });
        path.corner({ minX + rx, maxY }, { minX, maxY }, { minX, maxY - ry });
    } else {
        path.line({ minX, maxY });
    }
    if (rounded(UIRectCornerTopLeft)) {
        path.line({ minX, minY + ry });
        path.corner({ minX, minY + ry }, { minX, minY }, { minX + rx, minY });
    }
    path.close();
    auto result = path.take();
    bool anyRounded = rx > 0 && ry > 0;
    result.roundedRect = CGPathRoundedRect { rect, anyRounded ? corners & 0xf : 0, CGSizeMake(rx, ry) };
    return std::make_shared<UIBezierPath>(std::move(result));
}
