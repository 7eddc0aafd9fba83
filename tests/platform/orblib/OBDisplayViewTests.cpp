#include "contracts/OBDisplayView.h"
#include "contracts/OBDisplayViewProtocol.h"
#include "dispatch/RunLoop.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestSpringBoardApplication.h"
#include "uikit/UIButton.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIVisualEffectView.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A subclass offering hide, as the system's overlays do.
class HidingDisplayView : public OBDisplayView, public OBDisplayViewProtocol {
    OBJC_CLASS(HidingDisplayView, OBDisplayView)
public:
    void updateFrame() override { }
    void show() override { }
    void hide() override
    {
        ++hides;
        hideWithCompletion(nullptr);
    }
    int hides { 0 };
};

class OBDisplayViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        dispatch::RunLoop::main().reset(0);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        UIScreen::setMainScreen(CGRectMake(0, 0, 320, 568), 2);
        UIApplication::setSharedApplication(m_application);
        m_view->init();
        m_view->setHidden(true);
        m_rootWindow->addSubview(m_view);
        m_rootWindow->addSubview(UIView::create());
    }

    std::function<void()> logging(std::string entry)
    {
        return [this, entry] { m_log.push_back(entry); };
    }
    void advance(double seconds) { dispatch::RunLoop::main().advance(seconds); }

    std::shared_ptr<TestSpringBoardApplication> m_application {
        std::make_shared<TestSpringBoardApplication>()
    };
    std::shared_ptr<UIWindow> m_rootWindow { std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 568)) };
    std::shared_ptr<OBDisplayView> m_view { std::make_shared<OBDisplayView>() };
    std::vector<std::string> m_log;
};

TEST_F(OBDisplayViewTest, ShowUnhidesInFrontFadesInAndThenRunsTheCompletionOnce)
{
    m_view->showWithCompletion(logging("shown"));

    EXPECT_TRUE(m_view->isActive());
    EXPECT_FALSE(m_view->isHidden());
    EXPECT_EQ(m_rootWindow->subviews().back(), m_view);
    EXPECT_EQ(m_view->alpha(), 0);
    advance(OBDisplayView::animationDuration / 2);
    EXPECT_DOUBLE_EQ(m_view->alpha(), 0.5);
    EXPECT_TRUE(m_log.empty());
    advance(OBDisplayView::animationDuration / 2);
    EXPECT_EQ(m_view->alpha(), 1);
    EXPECT_EQ(m_log, std::vector<std::string> { "shown" });
    advance(10);
    EXPECT_EQ(m_log, std::vector<std::string> { "shown" });
}

TEST_F(OBDisplayViewTest, HideIsInactiveAtOnceAndRunsTheCompletionOnceFadedOut)
{
    m_view->showWithCompletion(nullptr);
    advance(1);

    m_view->hideWithCompletion(logging("hidden"));

    EXPECT_FALSE(m_view->isActive());
    advance(OBDisplayView::animationDuration - 0.01);
    EXPECT_TRUE(m_log.empty());
    advance(0.01);
    EXPECT_EQ(m_view->alpha(), 0);
    advance(10);
    EXPECT_EQ(m_log, std::vector<std::string> { "hidden" });
}

TEST_F(OBDisplayViewTest, AFadeCutShortRunsItsCompletionAtOnceAndStopsWhereItWas)
{
    m_view->showWithCompletion(logging("shown"));
    advance(OBDisplayView::animationDuration / 2);

    m_view->hideWithCompletion(logging("hidden"));
    EXPECT_EQ(m_log, std::vector<std::string> { "shown" });
    EXPECT_DOUBLE_EQ(m_view->alpha(), 0.5);
    advance(OBDisplayView::animationDuration / 2);
    EXPECT_DOUBLE_EQ(m_view->alpha(), 0.25);

    m_view->showWithCompletion(logging("shown again"));
    advance(10);
    EXPECT_EQ(m_log, (std::vector<std::string> { "shown", "hidden", "shown again" }));
    EXPECT_EQ(m_view->alpha(), 1);
    EXPECT_TRUE(m_view->isActive());
}

TEST_F(OBDisplayViewTest, KeepsItsChromeInTheContainerViewSizedToTheScreenInSpringBoardsOrientation)
{
    auto container = m_view->displayContainerView();
    ASSERT_NE(container, nullptr);
    ASSERT_FALSE(container->subviews().empty());
    EXPECT_NE(objc::cast<UIVisualEffectView>(container->subviews().front()), nullptr);

    const std::pair<long, CGSize> cases[]
        = { { 1, { 320, 568 } }, { 2, { 320, 568 } }, { 3, { 568, 320 } }, { 4, { 568, 320 } } };
    for (auto [orientation, size] : cases) {
        m_application->orientation = orientation;
        m_view->updateFrameForActiveOrientation();
        EXPECT_EQ(m_view->frame(), CGRectMake(0, 0, size.width, size.height)) << orientation;
        EXPECT_EQ(container->frame(), CGRectMake(0, 0, size.width, size.height)) << orientation;
        EXPECT_EQ(container->subviews().front()->frame(), container->bounds()) << orientation;
        EXPECT_EQ(m_view->width(), size.width);
        EXPECT_EQ(m_view->height(), size.height);
    }
}

TEST_F(OBDisplayViewTest, ADownwardSwipeClosesItUnlessItBeginsOnWhatTakesTouchesOfItsOwn)
{
    m_view->addSubview(m_view->displayContainerView());
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setFrame(CGRectMake(10, 10, 100, 100));
    m_view->displayContainerView()->addSubview(button);
    auto tappable = UIView::create(CGRectMake(10, 200, 100, 100));
    tappable->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>());
    m_view->displayContainerView()->addSubview(tappable);
    auto label = UIView::create(CGRectMake(10, 350, 100, 100));
    label->setUserInteractionEnabled(false);
    m_view->displayContainerView()->addSubview(label);
    m_view->showWithCompletion(nullptr);
    advance(1);

    UITouchSimulator finger(m_rootWindow);
    struct Case {
        CGPoint start;
        UISwipeGestureRecognizerDirection direction;
        const char* what;
    };
    for (auto [start, direction, what] :
        { Case { { 60, 60 }, UISwipeGestureRecognizerDirectionDown, "button" },
            Case { { 60, 250 }, UISwipeGestureRecognizerDirectionDown, "view with a tap" },
            Case { { 200, 250 }, UISwipeGestureRecognizerDirectionUp, "upward" },
            Case { { 200, 250 }, UISwipeGestureRecognizerDirectionLeft, "sideways" } }) {
        finger.swipe(start, direction);
        EXPECT_TRUE(m_view->isActive()) << what;
    }
    finger.swipe({ 60, 380 }, UISwipeGestureRecognizerDirectionDown);
    EXPECT_FALSE(m_view->isActive());
    advance(1);
    EXPECT_EQ(m_view->alpha(), 0);
    EXPECT_TRUE(m_view->isHidden());
}

TEST_F(OBDisplayViewTest, TheCloseGestureClosesASubclassThroughItsOwnHideAndOnlyWhileActive)
{
    auto view = std::make_shared<HidingDisplayView>();
    view->init();
    m_rootWindow->addSubview(view);
    view->showWithCompletion(nullptr);
    advance(1);
    UITouchSimulator finger(m_rootWindow);
    finger.swipe({ 160, 200 }, UISwipeGestureRecognizerDirectionDown);
    EXPECT_EQ(view->hides, 1);
    EXPECT_FALSE(view->isActive());
    finger.swipe({ 160, 200 }, UISwipeGestureRecognizerDirectionDown);
    EXPECT_EQ(view->hides, 1) << "a second swipe during the fade does nothing";
}

} // namespace
