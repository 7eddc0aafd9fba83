#include "uikit/UIPickerView.h"
#include "uikit/UIPickerViewDataSource.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

namespace {

class Wheels : public UIPickerViewDataSource {
public:
    NSInteger numberOfComponentsInPickerView(UIPickerView*) override { return 2; }
    NSInteger numberOfRowsInComponent(UIPickerView*, NSInteger component) override
    {
        return component ? 60 : 24;
    }
};

} // namespace

// The picker sits at (10, 100) in a window whose own tap recogniser stands for a container's
// tap-to-terminate: a tap the picker takes must not reach it.
TEST(PickerViewTouch, ATapOnARowTurnsItsWheelThereAndGoesNoFurther)
{
    objc::Runtime::beginProcess();
    dispatch::RunLoop::main().reset(1000);
    UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
    int windowTaps = 0;
    auto windowTap = std::make_shared<UITapGestureRecognizer>();
    windowTap->addTarget([&](UIGestureRecognizer*) { ++windowTaps; });
    window->addGestureRecognizer(windowTap);
    auto wheels = std::make_shared<Wheels>();
    auto picker = UIPickerView::create(CGRectMake(10, 100, 345.6, 216));
    picker->setDataSource(wheels);
    picker->selectRow(11, 0, false);
    picker->selectRow(59, 1, false);
    window->addSubview(picker);
    UITouchSimulator finger(window);

    // Rows are 32 high; the middle one spans y 92 to 124 inside the picker.
    struct Case {
        CGPoint point;
        NSInteger hourRow;
        NSInteger minuteRow;
    };
    const Case cases[] = {
        { { 100, 100 + 108 }, 11, 59 }, // the selected hour: nothing moves
        { { 100, 100 + 108 + 32 * 2 }, 13, 59 }, // two rows down the hour wheel
        { { 300, 100 + 108 - 32 * 3 }, 13, 56 }, // three rows up the minute wheel
        { { 300, 100 + 108 + 32 * 3 }, 13, 59 }, // past the last minute: the last row
    };
    for (auto& c : cases) {
        finger.tap(c.point);
        dispatch::RunLoop::main().advance(1);
        EXPECT_EQ(picker->selectedRowInComponent(0), c.hourRow) << c.point.x << "," << c.point.y;
        EXPECT_EQ(picker->selectedRowInComponent(1), c.minuteRow) << c.point.x << "," << c.point.y;
    }
    EXPECT_EQ(windowTaps, 0);
    finger.tap(CGPointMake(100, 500));
    EXPECT_EQ(windowTaps, 1);
}
