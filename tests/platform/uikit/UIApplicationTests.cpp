#include "objc/Runtime.h"
#include "uikit/UIApplication.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouch.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<UIWindow> shownWindow(UIWindowLevel level, std::string name)
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 100, 100));
    window->setAccessibilityIdentifier(std::move(name));
    window->setWindowLevel(level);
    window->makeKeyAndVisible();
    return window;
}

std::vector<std::string> names(const std::vector<std::shared_ptr<UIWindow>>& windows)
{
    std::vector<std::string> result;
    for (auto& window : windows)
        result.push_back(window->accessibilityIdentifier());
    return result;
}

// Holds back every touch that begins, as a host does while its display is dark.
class HoldingApplication : public UIApplication {
public:
    void sendEvent(const std::shared_ptr<UITouch>& touch, UITouchPhase phase) override
    {
        phases.push_back(phase);
        if (phase != UITouchPhaseBegan)
            UIApplication::sendEvent(touch, phase);
    }
    std::vector<UITouchPhase> phases;
};

} // namespace

TEST(UIApplication, ScreenStacksTheShownWindowsByLevelThenByWhenTheyWereShown)
{
    objc::Runtime::beginProcess();
    auto root = shownWindow(UIWindowLevelNormal, "root");
    auto alert = shownWindow(UIWindowLevelAlert, "alert");
    auto overlay = shownWindow(UIWindowLevelNormal + 1, "overlay");
    auto second = shownWindow(UIWindowLevelNormal, "second");
    auto application = UIApplication::sharedApplication();
    EXPECT_EQ(
        names(application->windows()), (std::vector<std::string> { "root", "second", "overlay", "alert" }));
    EXPECT_EQ(application->keyWindow(), second);

    alert->setHidden(true);
    root->makeKeyAndVisible();
    EXPECT_EQ(
        names(application->windowsOnScreen()), (std::vector<std::string> { "second", "root", "overlay" }));
    EXPECT_EQ(application->keyWindow(), root);
    overlay.reset();
    EXPECT_EQ(names(application->windows()), (std::vector<std::string> { "second", "root", "alert" }))
        << "a window nobody keeps leaves the screen";

    objc::Runtime::beginProcess();
    EXPECT_TRUE(UIApplication::sharedApplication()->windows().empty()) << "a new process starts with none";
}

TEST(UIApplication, TouchSimulatorOnTheScreenLandsOnTheTopmostWindowThatTakesTheTouch)
{
    objc::Runtime::beginProcess();
    auto root = shownWindow(UIWindowLevelNormal, "root");
    auto overlay = shownWindow(UIWindowLevelNormal + 1, "overlay");
    overlay->setFrame(CGRectMake(0, 0, 100, 50));
    UITouchSimulator screen;
    EXPECT_EQ(screen.viewAtPoint(CGPointMake(10, 10)), overlay);
    EXPECT_EQ(screen.viewAtPoint(CGPointMake(10, 80)), root);
    overlay->setUserInteractionEnabled(false);
    EXPECT_EQ(screen.viewAtPoint(CGPointMake(10, 10)), root);
    overlay->setUserInteractionEnabled(true);
    overlay->setHidden(true);
    EXPECT_EQ(screen.viewAtPoint(CGPointMake(10, 10)), root);
}

TEST(UIApplication, EveryTouchPassesThroughTheApplicationWhichMayHoldItBack)
{
    objc::Runtime::beginProcess();
    auto application = std::make_shared<HoldingApplication>();
    UIApplication::setSharedApplication(application);
    auto root = shownWindow(UIWindowLevelNormal, "root");
    int taps = 0;
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->addTarget([&](UIGestureRecognizer*) { ++taps; });
    root->addGestureRecognizer(tap);
    UITouchSimulator screen;
    screen.tap(CGPointMake(50, 50));
    dispatch::RunLoop::main().advance(1);
    EXPECT_EQ(application->phases, (std::vector<UITouchPhase> { UITouchPhaseBegan, UITouchPhaseEnded }));
    EXPECT_EQ(taps, 0);
}
