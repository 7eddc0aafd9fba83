#include "uikit/UIBarButtonItem.h"
#include "uikit/UIButton.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"
#include "uikit/UINavigationBar.h"
#include "uikit/UINavigationController.h"
#include "uikit/UINavigationItem.h"
#include "uikit/UIScreen.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Page : public UIViewController {
    OBJC_CLASS(Page, UIViewController)
public:
    Page(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name))
        , m_log(log)
    { }
    void viewDidLoad() override { m_log.push_back(m_name + " didLoad"); }
    void viewWillAppear(bool) override { m_log.push_back(m_name + " willAppear"); }
    void viewDidAppear(bool) override { m_log.push_back(m_name + " didAppear"); }
    void viewWillDisappear(bool) override { m_log.push_back(m_name + " willDisappear"); }
    void viewDidDisappear(bool) override { m_log.push_back(m_name + " didDisappear"); }
    void shareButtonPressed() { m_log.push_back(m_name + " share"); }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class Leaving : public UIViewController {
    OBJC_CLASS(Leaving, UIViewController)
public:
    void viewWillDisappear(bool) override { hadNavigationOnWill = navigationController() != nullptr; }
    void viewDidDisappear(bool) override { hadNavigationOnDid = navigationController() != nullptr; }
    bool hadNavigationOnWill { false };
    bool hadNavigationOnDid { true };
};

class NavigationTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        dispatch::RunLoop::main().reset(1000);
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    }
    std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }
    std::vector<std::string> m_log;
};

} // namespace

TEST_F(NavigationTest, PushAndPopOnScreenBracketTheChangeWithAppearanceCalls)
{
    auto root = std::make_shared<Page>("root", m_log);
    auto navigation = UINavigationController::create(root);
    auto& container = navigation->view();
    navigation->beginAppearanceTransition(true, false);
    navigation->endAppearanceTransition();
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "root didLoad", "root willAppear", "root didAppear" }));
    EXPECT_EQ(root->view()->frame(), CGRectMake(0, 64, 375, 603));
    EXPECT_EQ(navigation->navigationBar()->frame(), CGRectMake(0, 20, 375, 44));

    auto sub = std::make_shared<Page>("sub", m_log);
    navigation->pushViewController(sub, true);
    EXPECT_EQ(takeLog(),
        (std::vector<std::string> {
            "sub didLoad", "root willDisappear", "sub willAppear", "root didDisappear", "sub didAppear" }));
    EXPECT_EQ(navigation->topViewController(), sub);
    EXPECT_EQ(root->view()->superview(), nullptr);
    EXPECT_EQ(sub->view()->superview(), container);

    EXPECT_EQ(navigation->popViewControllerAnimated(true), sub);
    EXPECT_EQ(takeLog(),
        (std::vector<std::string> {
            "sub willDisappear", "root willAppear", "sub didDisappear", "root didAppear" }));
    EXPECT_EQ(navigation->popViewControllerAnimated(true), nullptr);
    EXPECT_EQ(sub->navigationController(), nullptr);
}

TEST_F(NavigationTest, AControllerFindsTheNavigationControllersAboveIt)
{
    auto page = std::make_shared<Page>("page", m_log);
    auto inner = UINavigationController::create(page);
    auto outer = UINavigationController::create(std::make_shared<Page>("settings", m_log));
    outer->addChildViewController(inner);

    EXPECT_EQ(page->navigationController(), inner);
    EXPECT_EQ(inner->navigationController(), outer);
    EXPECT_EQ(outer->navigationController(), nullptr);
}

TEST_F(NavigationTest, TheBarShowsTheTopItemInItsTintsAndItsButtonsSendTheirActions)
{
    auto root = std::make_shared<Page>("root", m_log);
    root->setTitle("Lumora");
    root->navigationItem()->setRightBarButtonItem(
        UIBarButtonItem::create("Share", UIBarButtonItemStylePlain, root, &Page::shareButtonPressed));
    auto navigation = UINavigationController::create(root);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
    window->addSubview(navigation->view());
    auto& bar = navigation->navigationBar();
    auto base = UIColor::colorWithRed(0x2D / 255.0, 0x1F / 255.0, 0x39 / 255.0, 1);
    bar->setTintColor(base);
    bar->setBarTintColor(UIColor::blackColor());
    bar->setTitleTextAttributes(
        { UIFont::fontWithName("HelveticaNeue-Light", 20), UIColor::whiteColor(), {} });
    window->layoutIfNeeded();

    auto title = std::dynamic_pointer_cast<UILabel>(bar->subviews().front());
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Lumora");
    EXPECT_EQ(title->font()->fontName(), "HelveticaNeue-Light");
    EXPECT_TRUE(title->textColor()->isEqual(*UIColor::whiteColor()));
    EXPECT_TRUE(bar->backgroundColor()->isEqual(*UIColor::blackColor()));
    ASSERT_TRUE(bar->rightButton());
    EXPECT_TRUE(bar->rightButton()->currentTitleColor()->isEqual(*base));
    EXPECT_EQ(CGRectGetMaxX(bar->rightButton()->frame()), 375 - 8);

    UITouchSimulator finger(window);
    CGRect button = bar->rightButton()->convertRectToView(bar->rightButton()->bounds(), nullptr);
    finger.tap(CGPointMake(CGRectGetMidX(button), CGRectGetMidY(button)));
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "root didLoad", "root share" }));

    // Nothing brings the platform's defaults back.
    bar->setTintColor(nullptr);
    bar->setBarTintColor(nullptr);
    bar->setTitleTextAttributes({});
    window->layoutIfNeeded();
    title = std::dynamic_pointer_cast<UILabel>(bar->subviews().front());
    EXPECT_TRUE(title->textColor()->isEqual(*UIColor::blackColor()));
    EXPECT_EQ(title->font()->fontName(), UIFont::boldSystemFontName);
    EXPECT_FALSE(bar->rightButton()->currentTitleColor()->isEqual(*base));
}

TEST_F(NavigationTest, APoppedControllerStillHasItsNavigationControllerWhileItHearsItWillDisappear)
{
    auto navigation = UINavigationController::create(std::make_shared<Page>("root", m_log));
    navigation->view();
    navigation->beginAppearanceTransition(true, false);
    navigation->endAppearanceTransition();
    auto leaving = std::make_shared<Leaving>();
    navigation->pushViewController(leaving, false);
    navigation->popViewControllerAnimated(false);
    EXPECT_TRUE(leaving->hadNavigationOnWill);
    EXPECT_FALSE(leaving->hadNavigationOnDid);
    EXPECT_EQ(navigation->navigationBar()->items().size(), 1u);
}

TEST_F(NavigationTest, ATintedBarDrawsItsButtonImagesInTheTint)
{
    Bitmap white(4, 4);
    std::fill(white.rgba.begin(), white.rgba.end(), 255);
    white.pixel(0, 0)[3] = 0;
    auto root = std::make_shared<Page>("root", m_log);
    root->navigationItem()->setRightBarButtonItem(
        UIBarButtonItem::create(UIImage::imageWithBitmap(white, 2, "Like"), UIBarButtonItemStylePlain, root,
            &Page::shareButtonPressed));
    auto navigation = UINavigationController::create(root);
    auto& bar = navigation->navigationBar();
    navigation->view()->layoutIfNeeded();
    EXPECT_EQ(bar->rightButton()->currentImage()->bitmap().rgba, white.rgba) << "untinted, as it is";
    bar->setTintColor(UIColor::colorWithRed(1, 0, 0, 1));
    bar->setNeedsLayout();
    navigation->view()->layoutIfNeeded();
    auto& tinted = bar->rightButton()->currentImage()->bitmap();
    EXPECT_EQ(std::vector<std::uint8_t>(tinted.pixel(1, 1), tinted.pixel(1, 1) + 4),
        (std::vector<std::uint8_t> { 255, 0, 0, 255 }));
    EXPECT_EQ(tinted.pixel(0, 0)[3], 0);
    EXPECT_EQ(bar->rightButton()->currentImage()->name(), "Like");
}
