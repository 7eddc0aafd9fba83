// Not yet tested: the landscape layout; a host without the clock store's classes.
#include "overlays/LMTimeDisplayView.h"

#include "OverlayScene.h"
#include "_LMContainerView/LMView.h"
#include "foundation/NSDate.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/TimerManager.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIPickerView.h"

#include <gtest/gtest.h>

namespace {

// Turns a wheel by tapping rows above or below the selected one, at most three at a time, as a
// finger would.
void turnWheel(OverlayScene& scene, NSInteger component, NSInteger row)
{
    auto picker = LMTimeDisplayView::sharedInstance()->pickerView();
    CGFloat columnWidth = picker->width() / 2;
    while (auto distance = row - picker->selectedRowInComponent(component)) {
        auto step = std::clamp<NSInteger>(
            distance, -UIPickerView::visibleRowsAround, UIPickerView::visibleRowsAround);
        CGPoint point = CGPointMake(columnWidth * (static_cast<CGFloat>(component) + 0.5),
            picker->height() / 2 + UIPickerView::rowHeight * static_cast<CGFloat>(step));
        scene.tapAt(picker->convertPointToView(point, nullptr));
    }
}

} // namespace

TEST(TimeDisplayView, PickingHalfPastMidnightSetsAnAlarmThatThePanelShowsWithinASecond)
{
    OverlayScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    scene.advance(1);
    scene.tapPanel("_timeContainerView");
    ASSERT_TRUE(overlay->isActive());
    EXPECT_EQ(overlay->pickerView()->selectedRowInComponent(0), 11);
    EXPECT_EQ(overlay->pickerView()->selectedRowInComponent(1), 59);

    turnWheel(scene, 0, 23);
    turnWheel(scene, 1, 29);
    EXPECT_TRUE(overlay->isActive()) << "taps on the picker closed the overlay";
    scene.tapOverlay(*overlay, "alarmButtonImageView");

    auto alarms = mobiletimer::AlarmManager::create()->alarms();
    ASSERT_EQ(alarms.size(), 1u);
    EXPECT_EQ(alarms[0]->settings().hour, 0);
    EXPECT_EQ(alarms[0]->settings().minute, 30);
    EXPECT_EQ(alarms[0]->settings().title, "");
    EXPECT_TRUE(alarms[0]->settings().allowsSnooze);
    EXPECT_TRUE(alarms[0]->isActive());
    auto alerts = UIAlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0]->title(), "Alarm created succesfully");
    EXPECT_EQ(alerts[0]->message(), "");
    EXPECT_EQ(alerts[0]->numberOfButtons(), 1);
    EXPECT_EQ(alerts[0]->buttonTitleAtIndex(alerts[0]->cancelButtonIndex()), "Close");
    EXPECT_FALSE(overlay->isActive());

    scene.advance(1);
    EXPECT_TRUE(scene.panel().isAnAlarmActive());
    EXPECT_EQ(scene.panel().nextAlarmFireTime(), "12:30 AM");
    EXPECT_EQ(scene.panelText("_alarmTimerLabel"), "[Alarm] 12:30 AM");
    EXPECT_TRUE(scene.pressAlertButton("Close"));
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());

    scene.setPreferences({ { "militaryTime", "YES" } });
    scene.advance(1);
    EXPECT_EQ(scene.panel().nextAlarmFireTime(), "00:30");
}

TEST(TimeDisplayView, ATimerFromTheDefaultsCountsDownOnThePanelAndIsPausedResumedAndCancelledThere)
{
    OverlayScene scene;
    scene.advance(1);
    EXPECT_EQ(scene.panel().timerState(), 1);
    EXPECT_EQ(scene.panel().timerTimeRemaining(), std::nullopt);

    scene.tapPanel("_timeContainerView");
    scene.tapOverlay(*LMTimeDisplayView::sharedInstance(), "timerButtonImageView");
    EXPECT_FALSE(LMTimeDisplayView::sharedInstance()->isActive());
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());
    auto timer = mobiletimer::TimerManager::sharedManager();
    EXPECT_EQ(timer->state(), 3);
    EXPECT_DOUBLE_EQ(timer->remainingTime(), 12 * 3600);

    std::vector<std::string> lines;
    for (int second = 0; second < 3; ++second) {
        scene.advance(1);
        lines.push_back(scene.panelText("_alarmTimerLabel"));
    }
    EXPECT_EQ(
        lines, (std::vector<std::string> { "[Timer] 11:59:59", "[Timer] 11:59:58", "[Timer] 11:59:57" }));

    scene.tapPanel("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(timer->state(), 2);
    EXPECT_EQ(scene.panelText("_alarmTimerLabel"), "[Timer] Timer Paused");
    scene.advance(3);
    scene.tapPanel("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(scene.panelText("_alarmTimerLabel"), "[Timer] 11:59:56");

    scene.longPressPanel("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(timer->state(), 1);
    EXPECT_EQ(scene.panel().timerTimeRemaining(), std::nullopt);
    EXPECT_EQ(scene.panelText("_alarmTimerLabel"), "");
}

TEST(TimeDisplayView, CountdownTextsDropTheHoursUnderAnHourAndTheSecondsOverOneWhenAsked)
{
    struct Case {
        double seconds;
        const char* withSeconds;
        const char* withoutSeconds;
    };
    const Case cases[] = {
        { 3725.4, "01:02:05", "01:02" },
        { 65, "01:05", "01:05" },
        { 7, "00:07", "00:07" },
        { 36000, "10:00:00", "10:00" },
        { 0.9, "00:00", "00:00" },
        // Read just after the fire time, before the timer stopped.
        { -2, "00:00", "00:00" },
    };
    OverlayScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    for (bool hourAndSeconds : { true, false }) {
        scene.setPreferences({ { "chronelTimerHourAndSeconds", hourAndSeconds ? "YES" : "NO" } });
        for (auto& c : cases) {
            EXPECT_EQ(overlay->timeUntilFiredStringRepresentation(c.seconds),
                hourAndSeconds ? c.withSeconds : c.withoutSeconds)
                << c.seconds;
        }
    }
}

TEST(TimeDisplayView, TheWheelsRunFromElevenAtNightDownToMidnightWithTheirTwelveHourForms)
{
    OverlayScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    auto picker = overlay->pickerView().get();
    const std::vector<std::tuple<NSInteger, NSInteger, std::string>> rows { { 0, 0, "23  |  11pm" },
        { 10, 0, "13  |  1pm" }, { 11, 0, "12  |  12pm" }, { 12, 0, "11  |  11am" }, { 22, 0, "01  |  1am" },
        { 23, 0, "00  |  12am" }, { 0, 1, "59" }, { 52, 1, "07" }, { 59, 1, "00" } };
    for (auto& [row, component, title] : rows)
        EXPECT_EQ(overlay->attributedTitleForRow(picker, row, component)->string(), title) << row;
    EXPECT_EQ(overlay->numberOfRowsInComponent(picker, 0), 24);
    EXPECT_EQ(overlay->numberOfRowsInComponent(picker, 1), 60);
}

TEST(TimeDisplayView, TheRelativeTimerDateCountsSecondsSince2001OnTheSince1970Scale)
{
    OverlayScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    double now = NSDate::date()->timeIntervalSinceReferenceDate();
    EXPECT_DOUBLE_EQ(overlay->currentRelativeTimerDateWithHourOffset(0, 0, 0)->timeIntervalSince1970(), now);
    EXPECT_DOUBLE_EQ(
        overlay->currentRelativeTimerDateWithHourOffset(1, 2, 3)->timeIntervalSince1970(), now + 3723);
}

TEST(TimeDisplayView, LaysOutTheIconPickerAndButtonsOneBelowAnotherInPortrait)
{
    OverlayScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    overlay->show();
    // 375 x 667: the icon centred at 126.73, the picker 345.6 wide below it, buttons 162.8 wide.
    CGRect icon = scene.overlayView(*overlay, "clockIconImageView")->frame();
    EXPECT_NEAR(CGRectGetMidX(icon), 187.5, 1e-9);
    EXPECT_NEAR(CGRectGetMidY(icon), 126.73, 1e-9);
    CGRect picker = scene.overlayView(*overlay, "pickerView")->frame();
    EXPECT_NEAR(picker.origin.x, 14.7, 1e-9);
    EXPECT_NEAR(picker.origin.y, CGRectGetMaxY(icon) + 15, 1e-9);
    EXPECT_EQ(scene.overlayView(*overlay, "pickerBackgroundView")->frame(), CGRectMake(0, 0, 345.6, 216));
    CGRect timer = scene.overlayView(*overlay, "timerButtonImageView")->frame();
    CGRect alarm = scene.overlayView(*overlay, "alarmButtonImageView")->frame();
    EXPECT_NEAR(timer.size.width, 162.8, 1e-9);
    EXPECT_NEAR(timer.size.height, 162.8 * 0.292, 1e-9);
    EXPECT_NEAR(timer.origin.y, picker.origin.y + 216 + 25, 1e-9);
    EXPECT_NEAR(alarm.origin.y, timer.origin.y + timer.size.height + 10, 1e-9);
    EXPECT_NEAR(alarm.origin.x, (375 - 162.8) / 2, 1e-9);
    EXPECT_TRUE(scene.matchesReference("time-display-portrait"));
}
