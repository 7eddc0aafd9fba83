// Not yet tested here: two fingers at once (the simulator has one), pans outside scroll views.
#include "uikit/UIImageView.h"
#include "uikit/UILongPressGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UISwipeGestureRecognizer.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using State = UIGestureRecognizerState;

class GestureTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        loop().reset(1000);
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        m_window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
        m_finger = std::make_unique<UITouchSimulator>(m_window);
    }
    static dispatch::RunLoop& loop() { return dispatch::RunLoop::main(); }

    std::shared_ptr<UIView> addView(CGRect frame, const std::shared_ptr<UIView>& parent = nullptr)
    {
        auto view = UIView::create(frame);
        (parent ? parent : m_window)->addSubview(view);
        return view;
    }

    // A recogniser that writes its name, and its state when it is continuous, into the log.
    template <class Recognizer>
    std::shared_ptr<Recognizer> add(const std::shared_ptr<UIView>& view, std::string name)
    {
        auto recognizer = std::make_shared<Recognizer>();
        recognizer->addTarget([this, name](UIGestureRecognizer* sender) {
            static const char* states[] = { "possible", "began", "changed", "ended", "cancelled", "failed" };
            bool continuous = dynamic_cast<UILongPressGestureRecognizer*>(sender);
            m_log.push_back(continuous ? name + ":" + states[static_cast<int>(sender->state())] : name);
        });
        view->addGestureRecognizer(recognizer);
        return recognizer;
    }

    std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }

    std::shared_ptr<UIWindow> m_window;
    std::unique_ptr<UITouchSimulator> m_finger;
    std::vector<std::string> m_log;
};

// A recogniser whose state the test moves by hand.
class ManualRecognizer : public UIGestureRecognizer {
    OBJC_CLASS(ManualRecognizer, UIGestureRecognizer)
public:
    using UIGestureRecognizer::setState;
};

} // namespace

TEST_F(GestureTest, ASingleTapThatWaitsForADoubleTapFiresOnlyOnceTheDoubleTapHasFailed)
{
    auto header = addView(CGRectMake(20, 100, 335, 26));
    auto single = add<UITapGestureRecognizer>(header, "single");
    auto twice = add<UITapGestureRecognizer>(header, "double");
    twice->setNumberOfTapsRequired(2);
    single->requireGestureRecognizerToFail(twice);
    add<UILongPressGestureRecognizer>(header, "long");
    CGPoint onHeader = CGPointMake(100, 110);

    m_finger->tap(onHeader);
    EXPECT_TRUE(takeLog().empty());
    loop().advance(UITapGestureRecognizer::maximumTapInterval - 0.01);
    EXPECT_TRUE(takeLog().empty());
    loop().advance(0.01);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "single" }));

    m_finger->doubleTap(onHeader);
    loop().advance(1);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "double" }));

    m_finger->longPress(onHeader, 1);
    loop().advance(1);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "long:began", "long:ended" }));

    // A second tap elsewhere ends the wait at once.
    addView(CGRectMake(0, 300, 375, 100));
    m_finger->tap(onHeader);
    m_finger->tap(CGPointMake(100, 350));
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "single" }));
}

TEST_F(GestureTest, ASingleTapThatDoesNotWaitFiresAtOnceAndADoubleTapStillRecognises)
{
    auto header = addView(CGRectMake(20, 100, 335, 40));
    add<UITapGestureRecognizer>(header, "single");
    add<UITapGestureRecognizer>(header, "double")->setNumberOfTapsRequired(2);
    CGPoint onHeader = CGPointMake(100, 110);

    m_finger->tap(onHeader);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "single" }));
    loop().advance(1);

    // A tap never prevents a tap that needs more taps, so each tap counts and so does the pair.
    m_finger->doubleTap(onHeader);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "single", "single", "double" }));
}

TEST_F(GestureTest, ATapOnAnImageViewWithoutItsOwnRecogniserCountsAsATapOnItsParent)
{
    auto strip = addView(CGRectMake(20, 560, 335, 40));
    add<UITapGestureRecognizer>(strip, "strip");
    auto artwork = UIImageView::create(CGRectMake(10, 4, 30, 30));
    artwork->setUserInteractionEnabled(true);
    strip->addSubview(artwork);
    auto button = UIImageView::create(CGRectMake(300, 5, 30, 30));
    button->setUserInteractionEnabled(true);
    strip->addSubview(button);
    add<UITapGestureRecognizer>(button, "button");

    EXPECT_EQ(m_finger->viewAtPoint(CGPointMake(45, 580)), artwork);
    m_finger->tap(CGPointMake(45, 580));
    m_finger->tap(CGPointMake(335, 580));
    // An image view takes no touches of its own by default: the finger lands on the strip.
    button->setUserInteractionEnabled(false);
    m_finger->tap(CGPointMake(335, 580));
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "strip", "button", "strip" }));
}

TEST_F(GestureTest, TouchesPassThroughHiddenFaintAndNonInteractiveViewsWithTheirSubviews)
{
    auto back = addView(CGRectMake(0, 0, 375, 667));
    add<UITapGestureRecognizer>(back, "back");
    struct Case {
        const char* name;
        void (*hide)(UIView&);
    };
    const Case cases[] = {
        { "hidden", [](UIView& v) { v.setHidden(true); } },
        { "alpha below 0.01", [](UIView& v) { v.setAlpha(0.009); } },
        { "interaction off", [](UIView& v) { v.setUserInteractionEnabled(false); } },
    };
    for (auto& test : cases) {
        auto front = addView(CGRectMake(0, 0, 200, 200));
        auto child = addView(CGRectMake(0, 0, 100, 100), front);
        add<UITapGestureRecognizer>(child, "child");
        test.hide(*front);
        m_finger->tap(CGPointMake(50, 50));
        EXPECT_EQ(takeLog(), (std::vector<std::string> { "back" })) << test.name;
        front->removeFromSuperview();
    }
}

TEST_F(GestureTest, ALongPressBeginsAfterItsDurationReportsMovesAndEnds)
{
    auto area = addView(CGRectMake(0, 0, 375, 200));
    auto press = add<UILongPressGestureRecognizer>(area, "long");
    auto tap = add<UITapGestureRecognizer>(area, "tap");

    m_finger->touchDown(CGPointMake(100, 100));
    loop().advance(0.49);
    EXPECT_EQ(press->state(), State::Possible);
    loop().advance(0.01);
    EXPECT_EQ(press->state(), State::Began);
    EXPECT_EQ(tap->state(), State::Failed);
    m_finger->touchMove(CGPointMake(130, 100));
    EXPECT_EQ(press->state(), State::Changed);
    m_finger->touchUp();
    EXPECT_EQ(press->state(), State::Ended);
    EXPECT_EQ(press->locationInView(area.get()), CGPointMake(130, 100));
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "long:began", "long:changed", "long:ended" }));

    // Lifted early, it fails silently and the tap wins; moved too far early, both fail.
    m_finger->longPress(CGPointMake(100, 100), 0.3);
    EXPECT_EQ(press->state(), State::Failed);
    m_finger->drag(CGPointMake(100, 100), CGPointMake(100, 150), 0.2);
    loop().advance(1);
    EXPECT_EQ(takeLog(), (std::vector<std::string> { "tap" }));
}

TEST_F(GestureTest, SwipesRecogniseOnlyTheirOwnDirections)
{
    auto strip = addView(CGRectMake(20, 300, 335, 40));
    add<UITapGestureRecognizer>(strip, "tap");
    add<UISwipeGestureRecognizer>(strip, "up")->setDirection(UISwipeGestureRecognizerDirectionUp);
    add<UISwipeGestureRecognizer>(strip, "down")->setDirection(UISwipeGestureRecognizerDirectionDown);
    EXPECT_EQ(UISwipeGestureRecognizerDirectionUp, 4u);
    EXPECT_EQ(UISwipeGestureRecognizerDirectionDown, 8u);

    const std::pair<UISwipeGestureRecognizerDirection, std::vector<std::string>> cases[] = {
        { UISwipeGestureRecognizerDirectionUp, { "up" } },
        { UISwipeGestureRecognizerDirectionDown, { "down" } },
        { UISwipeGestureRecognizerDirectionLeft, {} },
        { UISwipeGestureRecognizerDirectionRight, {} },
    };
    for (auto& [direction, expected] : cases) {
        m_finger->swipe(CGPointMake(190, 320), direction);
        EXPECT_EQ(takeLog(), expected) << direction;
    }
}

TEST_F(GestureTest, AnImpossibleStateTransitionIsAProgrammingError)
{
    auto recognizer = std::make_shared<ManualRecognizer>();
    EXPECT_THROW(recognizer->setState(State::Changed), std::logic_error);
    EXPECT_THROW(recognizer->setState(State::Cancelled), std::logic_error);
    recognizer->setState(State::Began);
    recognizer->setState(State::Changed);
    recognizer->setState(State::Changed);
    recognizer->setState(State::Ended);
    EXPECT_THROW(recognizer->setState(State::Began), std::logic_error);
    EXPECT_THROW(recognizer->setState(State::Failed), std::logic_error);
}

TEST_F(GestureTest, TargetsAreHeldWeaklyAndDisabledRecognisersSeeNothing)
{
    struct Target {
        int taps = 0;
        void tapped(UITapGestureRecognizer*) { ++taps; }
    };
    auto area = addView(CGRectMake(0, 0, 375, 200));
    auto target = std::make_shared<Target>();
    auto tap = std::make_shared<UITapGestureRecognizer>(target, &Target::tapped);
    area->addGestureRecognizer(tap);

    m_finger->tap(CGPointMake(10, 10));
    EXPECT_EQ(target->taps, 1);
    tap->setEnabled(false);
    m_finger->tap(CGPointMake(10, 10));
    EXPECT_EQ(target->taps, 1);
    EXPECT_EQ(tap->state(), State::Possible);

    tap->setEnabled(true);
    std::weak_ptr<Target> weak = target;
    target.reset();
    EXPECT_TRUE(weak.expired());
    m_finger->tap(CGPointMake(10, 10));
    EXPECT_EQ(tap->state(), State::Recognized);
}

TEST_F(GestureTest, AnActionTakingAnotherKindOfRecogniserIsAProgrammingError)
{
    struct Target {
        void pressed(UILongPressGestureRecognizer*) { }
    };
    auto area = addView(CGRectMake(0, 0, 375, 200));
    auto target = std::make_shared<Target>();
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->addTarget(target, &Target::pressed);
    area->addGestureRecognizer(tap);
    EXPECT_THROW(m_finger->tap(CGPointMake(10, 10)), std::logic_error);
}

// A table reloading its headers under the finger: the header goes from the window, and from
// every owner but the gesture, between the touch and the action.
TEST_F(GestureTest, AViewTakenAwayDuringItsGestureStillGetsTheActionWithItself)
{
    auto header = addView(CGRectMake(20, 100, 335, 40));
    std::weak_ptr<UIView> weakHeader = header;
    std::shared_ptr<UIView> seen;
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->addTarget([&](UIGestureRecognizer* sender) { seen = sender->view(); });
    header->addGestureRecognizer(tap);
    tap.reset();

    m_finger->touchDown(CGPointMake(100, 120));
    header->removeFromSuperview();
    header.reset();
    m_finger->touchUp();
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(seen, weakHeader.lock());

    seen.reset();
    m_finger->tap(CGPointMake(300, 400));
    EXPECT_TRUE(weakHeader.expired()) << "let go once the next gesture begins";
}

// What waits on the main queue as the finger comes down (a table's reload that laying the screen
// out set off) runs first: the finger lands on what it shows.
TEST_F(GestureTest, AFingerLandsOnWhatTheLayoutBeforeItPutOnTheScreen)
{
    auto old = addView(CGRectMake(0, 0, 375, 667));
    add<UITapGestureRecognizer>(old, "old");
    dispatch::RunLoop::main().post([&] {
        old->removeFromSuperview();
        add<UITapGestureRecognizer>(addView(CGRectMake(0, 0, 375, 667)), "new");
    });
    m_finger->tap(CGPointMake(100, 100));
    EXPECT_EQ(takeLog(), std::vector<std::string> { "new" });
}
