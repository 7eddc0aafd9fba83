#include "objc/Runtime.h"
#include "render/ViewRenderer.h"
#include "uikit/UIApplication.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<UIWindow> shownWindow(CGRect frame, UIWindowLevel level, std::shared_ptr<UIColor> color)
{
    auto window = std::make_shared<UIWindow>(frame);
    window->setBackgroundColor(std::move(color));
    window->setWindowLevel(level);
    window->makeKeyAndVisible();
    return window;
}

} // namespace

TEST(WholeScreenRendering, DrawsTheShownWindowsBottomToTopOverTheScreen)
{
    objc::Runtime::beginProcess();
    UIScreen::setMainScreen(CGRectMake(0, 0, 40, 20), 1);
    auto overlay = shownWindow(CGRectMake(0, 0, 20, 20), UIWindowLevelNormal + 1, UIColor::redColor());
    auto root = shownWindow(CGRectMake(0, 0, 40, 20), UIWindowLevelNormal, UIColor::greenColor());
    auto hidden = shownWindow(CGRectMake(30, 0, 10, 20), UIWindowLevelAlert, UIColor::whiteColor());
    hidden->setHidden(true);

    render::ViewRenderer renderer(2);
    auto picture = renderer.renderScreen();
    EXPECT_EQ(picture.width(), 80);
    EXPECT_EQ(picture.height(), 40);
    EXPECT_EQ(picture.pixel(10, 10), 0xFFFF0000u) << "the higher window lies on top";
    EXPECT_EQ(picture.pixel(50, 10), 0xFF00FF00u);
    EXPECT_EQ(picture.pixel(70, 10), 0xFF00FF00u) << "a hidden window is not drawn";
}
