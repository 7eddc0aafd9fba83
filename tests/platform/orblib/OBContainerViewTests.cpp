#include "contracts/OBContainerView.h"
#include "dispatch/RunLoop.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestSpringBoardApplication.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Records each hook with what it sees of the presentation.
class RecordingContainerView : public OBContainerView {
    OBJC_CLASS(RecordingContainerView, OBContainerView)
public:
    static std::shared_ptr<RecordingContainerView> create()
    {
        auto view = std::make_shared<RecordingContainerView>();
        view->init();
        view->setHidden(true);
        return view;
    }

    void viewWillShow() override
    {
        OBContainerView::viewWillShow();
        record("viewWillShow");
    }
    void viewDidShow() override
    {
        OBContainerView::viewDidShow();
        record("viewDidShow");
    }
    void viewWillHide() override
    {
        OBContainerView::viewWillHide();
        record("viewWillHide");
    }
    void viewDidHide() override
    {
        OBContainerView::viewDidHide();
        record("viewDidHide");
    }

    std::vector<std::string> log;

private:
    void record(const std::string& hook)
    {
        auto shown = UIApplication::sharedApplication()->windowsOnScreen();
        bool onScreen = std::find(shown.begin(), shown.end(), containerWindow()) != shown.end();
        log.push_back(
            hook + (isActive() ? ", active" : ", inactive") + (onScreen ? ", on screen" : ", off screen"));
    }
};

class OBContainerViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        dispatch::RunLoop::main().reset(0);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        UIScreen::setMainScreen(CGRectMake(0, 0, 320, 568), 2);
        UIApplication::setSharedApplication(m_application);
        m_rootWindow->makeKeyAndVisible();
    }

    std::shared_ptr<TestSpringBoardApplication> m_application {
        std::make_shared<TestSpringBoardApplication>()
    };
    std::shared_ptr<UIWindow> m_rootWindow { std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 568)) };
};

TEST_F(OBContainerViewTest, CallsTheHooksAroundShowAndHideOncePerShowing)
{
    auto view = RecordingContainerView::create();

    view->hide();
    view->show();
    view->show();
    view->hide();
    view->hide();

    EXPECT_EQ(view->log,
        (std::vector<std::string> { "viewWillShow, active, on screen", "viewDidShow, active, on screen",
            "viewWillHide, active, on screen", "viewDidHide, inactive, off screen" }));
}

TEST_F(OBContainerViewTest, ShowsTheViewInItsWindowAboveSpringBoardsSizedToTheScreen)
{
    auto view = RecordingContainerView::create();
    auto window = view->containerWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isHidden());

    view->show();

    EXPECT_EQ(UIApplication::sharedApplication()->windowsOnScreen(),
        (std::vector<std::shared_ptr<UIWindow>> { m_rootWindow, window }));
    EXPECT_EQ(view->superview(), window);
    EXPECT_FALSE(view->isHidden());
    EXPECT_EQ(view->frame(), CGRectMake(0, 0, 320, 568));
    EXPECT_EQ(window->frame(), CGRectMake(0, 0, 320, 568));

    view->hide();
    EXPECT_EQ(UIApplication::sharedApplication()->windowsOnScreen(),
        (std::vector<std::shared_ptr<UIWindow>> { m_rootWindow }));
}

TEST_F(OBContainerViewTest, ATapThatNothingInsideTakesHidesTheViewOnceTapToTerminateIsOn)
{
    auto view = RecordingContainerView::create();
    int buttonTaps = 0, rootTaps = 0;
    auto button = UIView::create(CGRectMake(10, 10, 50, 50));
    button->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>());
    button->gestureRecognizers().front()->addTarget([&](UIGestureRecognizer*) { ++buttonTaps; });
    view->addSubview(button);
    m_rootWindow->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>());
    m_rootWindow->gestureRecognizers().front()->addTarget([&](UIGestureRecognizer*) { ++rootTaps; });
    UITouchSimulator screen;
    view->show();

    screen.tap(CGPointMake(200, 300));
    EXPECT_TRUE(view->isActive()) << "before tap-to-terminate";

    view->containerWindow()->enableTapToTerminate();
    screen.tap(CGPointMake(30, 30));
    EXPECT_TRUE(view->isActive()) << "a tap the button takes";
    EXPECT_EQ(buttonTaps, 1);

    screen.tap(CGPointMake(200, 300));
    EXPECT_FALSE(view->isActive()) << "a tap nothing takes";
    EXPECT_EQ(view->log.back(), "viewDidHide, inactive, off screen");
    EXPECT_EQ(rootTaps, 0);
}

TEST_F(OBContainerViewTest, FollowsSpringBoardsOrientation)
{
    struct Case {
        long orientation;
        CGSize size;
        bool portrait;
    };
    const Case cases[] = {
        { 1, { 320, 568 }, true },
        { 2, { 320, 568 }, false },
        { 3, { 568, 320 }, false },
        { 4, { 568, 320 }, false },
    };
    auto view = RecordingContainerView::create();
    for (auto test : cases) {
        m_application->orientation = test.orientation;
        view->updateFrame();
        EXPECT_EQ(view->frame().size, test.size) << test.orientation;
        EXPECT_EQ(view->containerWindow()->frame().size, test.size) << test.orientation;
        EXPECT_EQ(view->isPortrait(), test.portrait) << test.orientation;
    }
}

} // namespace
