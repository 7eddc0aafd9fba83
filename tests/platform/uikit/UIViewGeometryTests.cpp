// Not yet tested here: layout passes triggered by autoresizing (layoutIfNeeded order).
#include "uikit/UIView.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<UIView> view(CGRect frame)
{
    return UIView::create(frame);
}

} // namespace

TEST(UIViewGeometry, FrameBoundsAndCentreDescribeTheSameRectangle)
{
    auto v = view(CGRectMake(10, 20, 100, 50));
    EXPECT_EQ(v->bounds(), CGRectMake(0, 0, 100, 50));
    EXPECT_EQ(v->center(), CGPointMake(60, 45));
    v->setCenter(CGPointMake(0, 0));
    EXPECT_EQ(v->frame(), CGRectMake(-50, -25, 100, 50));
    v->setBounds(CGRectMake(5, 5, 40, 10));
    EXPECT_EQ(v->frame(), CGRectMake(-20, -5, 40, 10));
    EXPECT_EQ(v->width(), 40);
    EXPECT_EQ(v->height(), 10);
}

TEST(UIViewGeometry, AScaleTransformActsAboutTheCentre)
{
    auto v = view(CGRectMake(0, 0, 100, 40));
    v->setTransform(CGAffineTransformMakeScale(0.5, 0.5));
    EXPECT_EQ(v->frame(), CGRectMake(25, 10, 50, 20));
    EXPECT_EQ(v->bounds().size, CGSizeMake(100, 40));

    // Setting a frame under the transform keeps the transform and sizes the bounds to match.
    v->setFrame(CGRectMake(10, 10, 60, 30));
    EXPECT_EQ(v->bounds().size, CGSizeMake(120, 60));
    EXPECT_EQ(v->frame(), CGRectMake(10, 10, 60, 30));
}

TEST(UIViewGeometry, AutoresizingSpreadsTheChangeOverTheFlexibleParts)
{
    struct Case {
        unsigned mask;
        CGRect expected;
    };
    // The parent grows from 200 x 100 to 300 x 160; the child sits at (20, 10, 100, 50).
    const Case cases[] = {
        { UIViewAutoresizingNone, CGRectMake(20, 10, 100, 50) },
        { UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight, CGRectMake(20, 10, 200, 110) },
        { UIViewAutoresizingFlexibleLeftMargin, CGRectMake(120, 10, 100, 50) },
        { UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin,
            CGRectMake(20, 22, 100, 50) }, // margins 10 : 40
        // Margins of 20 and 80 share 100 points as 20 : 80.
        { UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin,
            CGRectMake(40, 10, 100, 50) },
        // Margin 20 and width 100 share it as 20 : 100.
        { UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleWidth,
            CGRectMake(20 + 100.0 * 20 / 120, 10, 100 + 100.0 * 100 / 120, 50) },
    };
    for (auto& c : cases) {
        auto parent = view(CGRectMake(0, 0, 200, 100));
        auto child = view(CGRectMake(20, 10, 100, 50));
        child->setAutoresizingMask(c.mask);
        parent->addSubview(child);
        parent->setFrame(CGRectMake(0, 0, 300, 160));
        auto frame = child->frame();
        EXPECT_NEAR(frame.origin.x, c.expected.origin.x, 1e-9) << "mask " << c.mask;
        EXPECT_NEAR(frame.origin.y, c.expected.origin.y, 1e-9) << "mask " << c.mask;
        EXPECT_NEAR(frame.size.width, c.expected.size.width, 1e-9) << "mask " << c.mask;
        EXPECT_NEAR(frame.size.height, c.expected.size.height, 1e-9) << "mask " << c.mask;
    }
}

TEST(UIViewGeometry, AutoresizingNeverMakesASizeNegativeAndReachesGrandchildren)
{
    auto parent = view(CGRectMake(0, 0, 100, 100));
    auto child = view(CGRectMake(0, 0, 100, 100));
    auto grandchild = view(CGRectMake(0, 0, 100, 100));
    child->setAutoresizingMask(18);
    grandchild->setAutoresizingMask(18);
    parent->addSubview(child);
    child->addSubview(grandchild);
    parent->setFrame(CGRectMake(0, 0, 50, 300));
    EXPECT_EQ(grandchild->frame(), CGRectMake(0, 0, 50, 300));
    parent->setFrame(CGRectMake(0, 0, -100, 300));
    EXPECT_EQ(child->frame().size.width, 0);
}

TEST(UIViewHierarchy, SubviewsKeepTheirOrderAndMoveBetweenParents)
{
    auto a = view(CGRectZero), b = view(CGRectZero), c = view(CGRectZero);
    auto parent = view(CGRectZero), other = view(CGRectZero);
    parent->addSubview(a);
    parent->addSubview(b);
    parent->insertSubviewAtIndex(c, 1);
    EXPECT_EQ(parent->subviews(), (std::vector { a, c, b }));

    parent->bringSubviewToFront(a);
    EXPECT_EQ(parent->subviews(), (std::vector { c, b, a }));
    parent->sendSubviewToBack(b);
    EXPECT_EQ(parent->subviews(), (std::vector { b, c, a }));
    parent->addSubview(c);
    EXPECT_EQ(parent->subviews(), (std::vector { b, a, c }));

    other->addSubview(a);
    EXPECT_EQ(parent->subviews(), (std::vector { b, c }));
    EXPECT_EQ(a->superview(), other);
    a->removeFromSuperview();
    EXPECT_EQ(a->superview(), nullptr);
    EXPECT_TRUE(other->subviews().empty());

    // A view is never its own subview, and a foreign view is not brought forward.
    parent->addSubview(parent);
    parent->bringSubviewToFront(a);
    EXPECT_EQ(parent->subviews(), (std::vector { b, c }));
    EXPECT_TRUE(c->isDescendantOfView(parent.get()));
    EXPECT_FALSE(parent->isDescendantOfView(c.get()));
}

TEST(UIViewHierarchy, AViewFindsTheWindowAboveIt)
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 568));
    auto middle = view(CGRectZero), leaf = view(CGRectZero);
    middle->addSubview(leaf);
    EXPECT_EQ(leaf->window(), nullptr);
    window->addSubview(middle);
    EXPECT_EQ(leaf->window(), window);
}

TEST(UIViewCoordinates, PointsConvertThroughOffsetsBoundsOriginsAndTransforms)
{
    auto root = view(CGRectMake(0, 0, 320, 568));
    auto scroller = view(CGRectMake(10, 100, 300, 200));
    scroller->setBounds(CGRectMake(0, 50, 300, 200)); // scrolled down by 50
    auto leaf = view(CGRectMake(20, 60, 40, 40));
    root->addSubview(scroller);
    scroller->addSubview(leaf);
    EXPECT_EQ(leaf->convertPointToView(CGPointMake(0, 0), nullptr), CGPointMake(30, 110));
    EXPECT_EQ(leaf->convertPointFromView(CGPointMake(30, 110), nullptr), CGPointMake(0, 0));
    EXPECT_EQ(leaf->convertRectToView(leaf->bounds(), root.get()), CGRectMake(30, 110, 40, 40));

    leaf->setTransform(CGAffineTransformMakeScale(2, 2));
    EXPECT_EQ(leaf->convertRectToView(leaf->bounds(), nullptr), CGRectMake(10, 90, 80, 80));
    EXPECT_EQ(leaf->convertPointFromView(CGPointMake(50, 130), root.get()), CGPointMake(20, 20));
}

TEST(UIViewHitTest, TheDeepestVisibleInteractiveViewUnderThePointWins)
{
    auto root = view(CGRectMake(0, 0, 300, 300));
    auto panel = view(CGRectMake(0, 0, 200, 200));
    auto button = view(CGRectMake(10, 10, 50, 50));
    auto overlapping = view(CGRectMake(40, 40, 50, 50));
    auto outside = view(CGRectMake(180, 180, 100, 100)); // partly beyond the panel
    root->addSubview(panel);
    panel->addSubview(button);
    panel->addSubview(overlapping);
    panel->addSubview(outside);

    struct Case {
        CGPoint point;
        std::shared_ptr<UIView> expected;
    };
    const Case cases[] = {
        { { 20, 20 }, button },
        { { 45, 45 }, overlapping }, // the later sibling is on top
        { { 100, 100 }, panel },
        { { 190, 190 }, outside },
        { { 250, 250 }, root }, // beyond the panel's bounds its subviews take nothing
        { { 300, 10 }, nullptr },
    };
    for (auto& c : cases)
        EXPECT_EQ(root->hitTest(c.point), c.expected) << c.point.x << "," << c.point.y;
}

TEST(UIViewHitTest, HiddenTransparentAndNonInteractiveSubtreesTakeNoTouches)
{
    struct Case {
        const char* name;
        void (*change)(UIView&);
    };
    const Case cases[] = {
        { "hidden", [](UIView& v) { v.setHidden(true); } },
        { "alpha below 0.01", [](UIView& v) { v.setAlpha(0.009); } },
        { "interaction off", [](UIView& v) { v.setUserInteractionEnabled(false); } },
    };
    for (auto& c : cases) {
        auto root = view(CGRectMake(0, 0, 100, 100));
        auto container = view(CGRectMake(0, 0, 100, 100));
        auto leaf = view(CGRectMake(0, 0, 50, 50));
        root->addSubview(container);
        container->addSubview(leaf);
        c.change(*container);
        EXPECT_EQ(root->hitTest(CGPointMake(10, 10)), root) << c.name;
    }
    auto faint = view(CGRectMake(0, 0, 10, 10));
    faint->setAlpha(0.01);
    EXPECT_EQ(faint->hitTest(CGPointMake(5, 5)), faint);
}

TEST(UIViewHitTest, TouchesFollowScrollOffsetsAndTransforms)
{
    auto root = view(CGRectMake(0, 0, 300, 300));
    auto scroller = view(CGRectMake(0, 0, 300, 300));
    scroller->setBounds(CGRectMake(0, 100, 300, 300));
    auto row = view(CGRectMake(0, 150, 300, 40));
    root->addSubview(scroller);
    scroller->addSubview(row);
    EXPECT_EQ(root->hitTest(CGPointMake(10, 60)), row);
    EXPECT_EQ(root->hitTest(CGPointMake(10, 160)), scroller);

    auto shrunk = view(CGRectMake(100, 100, 100, 100));
    shrunk->setTransform(CGAffineTransformMakeScale(0.5, 0.5)); // now covers 125..175
    root->addSubview(shrunk);
    EXPECT_EQ(root->hitTest(CGPointMake(130, 130)), shrunk);
    EXPECT_EQ(root->hitTest(CGPointMake(110, 110)), scroller);

    shrunk->setTransform(CGAffineTransformMakeScale(0, 0));
    EXPECT_EQ(root->hitTest(CGPointMake(150, 150)), scroller);
}
