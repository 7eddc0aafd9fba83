#include "uikit/UIAlertView.h"
#include "uikit/UIAlertViewDelegate.h"
#include "uikit/UIButton.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Page : public UIAlertViewDelegate {
public:
    std::vector<std::pair<long, NSInteger>> clicks;
    void clickedButtonAtIndex(UIAlertView* alert, NSInteger index) override
    {
        clicks.push_back({ alert->tag(), index });
        EXPECT_TRUE(alert->isVisible());
    }
};

class AlertViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        dispatch::RunLoop::main().reset(1000);
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        m_window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
        m_finger = std::make_unique<UITouchSimulator>(m_window);
        m_page = std::make_shared<Page>();
    }

    std::shared_ptr<UIWindow> m_window;
    std::unique_ptr<UITouchSimulator> m_finger;
    std::shared_ptr<Page> m_page;
};

} // namespace

TEST_F(AlertViewTest, AShownAlertStaysOnTopAndTakesEveryTouchUntilAButtonIsPressed)
{
    int windowTaps = 0;
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->addTarget([&](UIGestureRecognizer*) { ++windowTaps; });
    m_window->addGestureRecognizer(tap);
    auto alert = UIAlertView::create("Respring", "Are you sure?", m_page, "Cancel", { "Yes" });
    alert->setTag(1);
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    EXPECT_EQ(alert->buttonTitleAtIndex(1), "Yes");
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());

    alert->show();
    EXPECT_EQ(UIAlertView::visibleAlerts(), (std::vector<std::shared_ptr<UIAlertView>> { alert }));
    m_finger->tap(CGPointMake(10, 10));
    EXPECT_EQ(windowTaps, 0);
    EXPECT_FALSE(m_finger->pressAlertButton("No"));
    EXPECT_TRUE(alert->isVisible());

    EXPECT_TRUE(m_finger->pressAlertButton("Yes"));
    EXPECT_EQ(m_page->clicks, (std::vector<std::pair<long, NSInteger>> { { 1, 1 } }));
    EXPECT_FALSE(alert->isVisible());
    EXPECT_FALSE(m_finger->pressAlertButton("Cancel"));
    m_finger->tap(CGPointMake(10, 10));
    EXPECT_EQ(windowTaps, 1);
}

TEST_F(AlertViewTest, TwoButtonsSitSideBySideAndMoreStackWithTheCancelButtonLast)
{
    auto pair = UIAlertView::create("Website", "example", m_page, "Cancel", { "Go" });
    pair->show();
    pair->layoutIfNeeded();
    auto cancel
        = pair->buttonViewAtIndex(0)->convertRectToView(pair->buttonViewAtIndex(0)->bounds(), nullptr);
    auto go = pair->buttonViewAtIndex(1)->convertRectToView(pair->buttonViewAtIndex(1)->bounds(), nullptr);
    EXPECT_EQ(cancel.origin.y, go.origin.y);
    EXPECT_LT(cancel.origin.x, go.origin.x);
    EXPECT_EQ(cancel.size, CGSizeMake(UIAlertView::boxWidth / 2, UIAlertView::buttonHeight));

    auto stack = UIAlertView::create("Alarm created succesfully", "", {}, "Close", { "A", "B" });
    stack->show();
    stack->layoutIfNeeded();
    auto y = [&](NSInteger index) { return stack->buttonViewAtIndex(index)->frame().origin.y; };
    EXPECT_LT(y(1), y(2));
    EXPECT_LT(y(2), y(0));
    // The topmost alert takes the touches; a press without a delegate just closes it.
    EXPECT_FALSE(m_finger->pressAlertButton("Go"));
    EXPECT_TRUE(m_finger->pressAlertButton("Close"));
    EXPECT_TRUE(m_finger->pressAlertButton("Go"));
    EXPECT_EQ(m_page->clicks.size(), 1u);
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());
}
