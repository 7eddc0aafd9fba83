#pragma once

#include "objc/NSObject.h"
#include "uikit/CGPath.h"

#include <memory>

enum UIRectCorner : unsigned long {
    UIRectCornerTopLeft = 1 << 0,
    UIRectCornerTopRight = 1 << 1,
    UIRectCornerBottomLeft = 1 << 2,
    UIRectCornerBottomRight = 1 << 3,
    UIRectCornerAllCorners = ~0UL,
};

// A path built from shapes. Rounded corners are quarter ellipses drawn as cubic curves.
class UIBezierPath : public NSObject {
    OBJC_CLASS(UIBezierPath, NSObject)
public:
    explicit UIBezierPath(::CGPath path);

    static std::shared_ptr<UIBezierPath> bezierPathWithRect(CGRect rect);
    // Radii larger than half the rectangle's side are cut to it, as the platform does.
    static std::shared_ptr<UIBezierPath> bezierPathWithRoundedRect(
        CGRect rect, unsigned long corners, CGSize cornerRadii);

    CGPathRef CGPath() const { return m_path; }

private:
    CGPathRef m_path;
};
