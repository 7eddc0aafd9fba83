// Not yet tested here: a slider that is not continuous, controls under a scale transform.
#include "uikit/UIButton.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UILongPressGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UISlider.h"
#include "uikit/UISwitch.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewDump.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

class ControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        dispatch::RunLoop::main().reset(1000);
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        m_window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
        m_finger = std::make_unique<UITouchSimulator>(m_window);
        m_panel = UIView::create(CGRectMake(0, 0, 375, 667));
        m_window->addSubview(m_panel);
    }

    void logEvents(UIControl& control, unsigned events, std::string name)
    {
        control.addTarget([this, name](UIControl*) { m_log.push_back(name); }, events);
    }
    std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }

    std::shared_ptr<UIWindow> m_window;
    std::unique_ptr<UITouchSimulator> m_finger;
    std::shared_ptr<UIView> m_panel;
    std::vector<std::string> m_log;
};

} // namespace

TEST_F(ControlTest, AButtonSendsTouchUpInsideAndKeepsItsTapFromItsParent)
{
    struct Owner {
        int released = 0;
        void buttonReleased(UIButton*) { ++released; }
    };
    auto owner = std::make_shared<Owner>();
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setFrame(CGRectMake(100, 100, 40, 40));
    button->addTarget(owner, &Owner::buttonReleased, UIControlEventTouchUpInside);
    m_panel->addSubview(button);
    auto parentTap = std::make_shared<UITapGestureRecognizer>();
    parentTap->addTarget([this](UIGestureRecognizer*) { m_log.push_back("panel tap"); });
    m_panel->addGestureRecognizer(parentTap);
    logEvents(*button, UIControlEventTouchUpOutside, "up outside");
    logEvents(*button, UIControlEventTouchCancel, "cancel");

    m_finger->tap(CGPointMake(120, 120));
    EXPECT_EQ(owner->released, 1);
    EXPECT_TRUE(takeLog().empty());

    // Lifting far away is touch-up-outside; a little way off still counts as inside.
    m_finger->drag(CGPointMake(120, 120), CGPointMake(300, 400));
    m_finger->drag(CGPointMake(120, 120), CGPointMake(150, 150));
    EXPECT_EQ(owner->released, 2);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "up outside" }));

    // A long press on an ancestor takes the touch away from the button.
    auto press = std::make_shared<UILongPressGestureRecognizer>();
    m_panel->addGestureRecognizer(press);
    m_finger->longPress(CGPointMake(120, 120), 1);
    EXPECT_EQ(owner->released, 2);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "cancel" }));

    // Disabled, it lets the tap through to the panel.
    button->setEnabled(false);
    m_finger->tap(CGPointMake(120, 120));
    EXPECT_EQ(owner->released, 2);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "panel tap" }));
}

TEST_F(ControlTest, AButtonShowsTheImagesOfItsCurrentStateOrElseOfTheNormalState)
{
    auto normal = UIImage::imageWithBitmap(Bitmap(2, 2), 1, "normal");
    auto pressed = UIImage::imageWithBitmap(Bitmap(2, 2), 1, "pressed");
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setFrame(CGRectMake(0, 0, 80, 40));
    button->setBackgroundImage(normal, UIControlStateNormal);
    button->setBackgroundImage(pressed, UIControlStateHighlighted);
    button->setTitle("Go", UIControlStateNormal);
    m_panel->addSubview(button);
    m_window->layoutIfNeeded();

    auto background = std::dynamic_pointer_cast<UIImageView>(button->subviews().front());
    ASSERT_TRUE(background);
    EXPECT_EQ(background->frame(), button->bounds());
    EXPECT_EQ(background->image(), normal);
    m_finger->touchDown(CGPointMake(40, 20));
    EXPECT_EQ(button->state(), UIControlStateHighlighted);
    EXPECT_EQ(background->image(), pressed);
    EXPECT_EQ(button->currentTitle(), "Go");
    m_finger->touchUp();
    EXPECT_EQ(background->image(), normal);
    EXPECT_EQ(button->titleLabel()->text(), "Go");
}

TEST_F(ControlTest, ASliderTakesItsValueFromTheFingerAndReportsEveryChange)
{
    auto slider = UISlider::create(CGRectMake(10, 100, 228, 40));
    slider->setMinimumValue(0);
    slider->setMaximumValue(1);
    m_panel->addSubview(slider);
    auto swipe = std::make_shared<UISwipeGestureRecognizer>();
    swipe->addTarget([this](UIGestureRecognizer*) { m_log.push_back("swipe"); });
    m_panel->addGestureRecognizer(swipe);
    std::vector<float> values;
    slider->addTarget([&](UIControl* sender) { values.push_back(static_cast<UISlider*>(sender)->value()); },
        UIControlEventValueChanged);

    // The track runs from x 14 to x 214 within the slider: 10 + 14 + 50 is a quarter of the way.
    m_finger->tap(CGPointMake(74, 120));
    EXPECT_FLOAT_EQ(slider->value(), 0.25f);
    m_finger->drag(CGPointMake(74, 120), CGPointMake(500, 120));
    EXPECT_FLOAT_EQ(slider->value(), 1.0f);
    EXPECT_EQ(values.front(), 0.25f);
    EXPECT_EQ(values.back(), 1.0f);
    EXPECT_GT(values.size(), 2u);
    EXPECT_TRUE(takeLog().empty());

    // Values set by code stay within the range and send nothing.
    values.clear();
    slider->setValue(7);
    EXPECT_FLOAT_EQ(slider->value(), 1.0f);
    slider->setValue(-1);
    EXPECT_FLOAT_EQ(slider->value(), 0.0f);
    EXPECT_TRUE(values.empty());
}

TEST_F(ControlTest, ASwitchFlipsOnATapButNotWhenSetByCode)
{
    auto toggle = UISwitch::create(CGRectMake(300, 10, 100, 100));
    EXPECT_EQ(toggle->frame(), CGRectMake(300, 10, 51, 31));
    toggle->setOnTintColor(UIColor::colorWithRed(0.35, 0.89, 0.76, 1));
    m_panel->addSubview(toggle);
    logEvents(*toggle, UIControlEventValueChanged, "changed");

    m_finger->tap(CGPointMake(320, 20));
    EXPECT_TRUE(toggle->isOn());
    toggle->setOn(false);
    EXPECT_FALSE(toggle->isOn());
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "changed" }));

    toggle->setEnabled(false);
    m_finger->tap(CGPointMake(320, 20));
    EXPECT_FALSE(toggle->isOn());
}

TEST_F(ControlTest, ControlsDescribeTheirStateInTheViewDump)
{
    auto slider = UISlider::create(CGRectMake(0, 0, 200, 30));
    slider->setValue(0.5);
    slider->setThumbTintColor(UIColor::whiteColor());
    auto toggle = UISwitch::create();
    toggle->setOn(true);
    toggle->setEnabled(false);
    auto button = UIButton::buttonWithType(UIButtonTypeSystem);
    button->setTitle("OK", UIControlStateNormal);
    m_panel->addSubview(slider);
    m_panel->addSubview(toggle);
    m_panel->addSubview(button);

    auto dump = ViewDump::json(*m_panel)["subviews"];
    EXPECT_EQ(dump[0]["value"], 0.5);
    EXPECT_EQ(dump[0]["thumbTintColor"], "#ffffffff");
    EXPECT_EQ(dump[1]["on"], true);
    EXPECT_EQ(dump[1]["enabled"], false);
    EXPECT_EQ(dump[2]["buttonType"], 1);
    EXPECT_EQ(dump[2]["title"], "OK");
}
