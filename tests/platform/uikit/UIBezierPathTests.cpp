#include "uikit/UIBezierPath.h"

#include <gtest/gtest.h>

namespace {

// "M", "L", "C", "Z" per element, with the end point of each.
std::string outline(const CGPath& path)
{
    std::string result;
    for (auto& e : path.elements) {
        static const char* letters[] = { "M", "L", "C", "Z" };
        result += letters[static_cast<int>(e.type)];
        if (e.type == CGPathElementType::CloseSubpath)
            continue;
        CGPoint end = e.points[e.type == CGPathElementType::AddCurveToPoint ? 2 : 0];
        result += std::to_string(int(end.x)) + "," + std::to_string(int(end.y)) + " ";
    }
    return result;
}

} // namespace

TEST(UIBezierPath, RoundsOnlyTheChosenCorners)
{
    struct Case {
        unsigned long corners;
        const char* outline;
    };
    const Case cases[] = {
        { 0, "M0,0 L100,0 L100,40 L0,40 Z" },
        { UIRectCornerTopLeft | UIRectCornerTopRight, "M5,0 L95,0 C100,5 L100,40 L0,40 L0,5 C5,0 Z" },
        { UIRectCornerBottomLeft | UIRectCornerBottomRight, "M0,0 L100,0 L100,35 C95,40 L5,40 C0,35 Z" },
        { UIRectCornerAllCorners, "M5,0 L95,0 C100,5 L100,35 C95,40 L5,40 C0,35 L0,5 C5,0 Z" },
    };
    for (auto& c : cases) {
        auto path
            = UIBezierPath::bezierPathWithRoundedRect(CGRectMake(0, 0, 100, 40), c.corners, CGSizeMake(5, 5));
        EXPECT_EQ(outline(*path->CGPath()), c.outline) << c.corners;
        EXPECT_EQ(path->CGPath()->roundedRect->corners, c.corners & 0xf);
    }
}

TEST(UIBezierPath, CutsRadiiToHalfTheSides)
{
    auto path = UIBezierPath::bezierPathWithRoundedRect(
        CGRectMake(0, 0, 100, 40), UIRectCornerAllCorners, CGSizeMake(80, 30));
    EXPECT_EQ(path->CGPath()->roundedRect->cornerRadii, CGSizeMake(50, 20));
    EXPECT_EQ(outline(*path->CGPath()), "M50,0 L50,0 C100,20 L100,20 C50,40 L50,40 C0,20 L0,20 C50,0 Z");
}
