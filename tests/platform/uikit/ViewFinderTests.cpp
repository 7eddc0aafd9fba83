#include "uikit/UIView.h"
#include "uikit/ViewFinder.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<UIView> viewWithIdentifier(const std::string& identifier)
{
    auto view = UIView::create();
    view->setAccessibilityIdentifier(identifier);
    return view;
}

} // namespace

TEST(ViewFinder, FindsTheFirstViewDepthFirstWithTheRootIncluded)
{
    auto root = viewWithIdentifier("root");
    auto back = viewWithIdentifier("back");
    auto deep = viewWithIdentifier("twin");
    auto front = viewWithIdentifier("twin");
    root->addSubview(back);
    back->addSubview(deep);
    root->addSubview(front);

    EXPECT_EQ(findView(root, "root"), root);
    EXPECT_EQ(findView(root, "twin"), deep) << "the back subview's tree is searched before the front one";
    EXPECT_EQ(findView(front, "back"), nullptr);
    EXPECT_EQ(findView(nullptr, "root"), nullptr);
    EXPECT_EQ(findView(root, [&](const UIView& view) { return &view == front.get(); }), front);
}
