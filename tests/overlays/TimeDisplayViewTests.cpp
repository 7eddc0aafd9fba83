// Not yet tested: the landscape layout; a host without the clock store's classes.
#include "overlays/LMTimeDisplayView.h"

#include "_LMContainerView/LMView.h"
#include "foundation/NSDate.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/TimerManager.h"
#include "platform/render/PictureCheck.h"
#include "support/host/DeviceScene.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIPickerView.h"

#include <gtest/gtest.h>

namespace {

// Turns a wheel by tapping rows above or below the selected one, at most three at a time, as a
// finger would.
void turnWheel(DeviceScene& scene, NSInteger component, NSInteger row)
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
    DeviceScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    scene.advance(1);
    scene.tap("_timeContainerView");
    ASSERT_TRUE(overlay->isActive());
    EXPECT_EQ(overlay->pickerView()->selectedRowInComponent(0), 11);
    EXPECT_EQ(overlay->pickerView()->selectedRowInComponent(1), 59);

    turnWheel(scene, 0, 23);
    turnWheel(scene, 1, 29);
    EXPECT_TRUE(overlay->isActive()) << "taps on the picker closed the overlay";
    scene.tap(*scene.view(*overlay, "alarmButtonImageView"));

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
    EXPECT_EQ(scene.describedText("_alarmTimerLabel"), "[Alarm] 12:30 AM");
    EXPECT_TRUE(scene.pressAlertButton("Close"));
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());

    scene.setPreferences({ { "militaryTime", "YES" } });
    scene.advance(1);
    EXPECT_EQ(scene.panel().nextAlarmFireTime(), "00:30");
}

TEST(TimeDisplayView, ATimerFromTheDefaultsCountsDownOnThePanelAndIsPausedResumedAndCancelledThere)
{
    DeviceScene scene;
    scene.advance(1);
    EXPECT_EQ(scene.panel().timerState(), LMTimerState::none);
    EXPECT_EQ(scene.panel().timerTimeRemaining(), std::nullopt);

    scene.tap("_timeContainerView");
    scene.tap(*scene.view(*LMTimeDisplayView::sharedInstance(), "timerButtonImageView"));
    EXPECT_FALSE(LMTimeDisplayView::sharedInstance()->isActive());
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());
    auto timer = mobiletimer::TimerManager::sharedManager();
    EXPECT_EQ(timer->state(), 3);
    EXPECT_DOUBLE_EQ(timer->remainingTime(), 12 * 3600);

    std::vector<std::string> lines;
    for (int second = 0; second < 3; ++second) {
        scene.advance(1);
        lines.push_back(scene.describedText("_alarmTimerLabel"));
    }
    EXPECT_EQ(
        lines, (std::vector<std::string> { "[Timer] 11:59:59", "[Timer] 11:59:58", "[Timer] 11:59:57" }));

    scene.tap("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(timer->state(), 2);
    EXPECT_EQ(scene.describedText("_alarmTimerLabel"), "[Timer] Timer Paused");
    scene.advance(3);
    scene.tap("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(scene.describedText("_alarmTimerLabel"), "[Timer] 11:59:56");

    scene.longPress("_alarmTimerLabel");
    scene.advance(1);
    EXPECT_EQ(timer->state(), 1);
    EXPECT_EQ(scene.panel().timerTimeRemaining(), std::nullopt);
    EXPECT_EQ(scene.describedText("_alarmTimerLabel"), "");
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
    DeviceScene scene;
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
    DeviceScene scene;
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
    DeviceScene scene;
    auto overlay = LMTimeDisplayView::sharedInstance();
    double now = NSDate::date()->timeIntervalSinceReferenceDate();
    EXPECT_DOUBLE_EQ(overlay->currentRelativeTimerDateWithHourOffset(0, 0, 0)->timeIntervalSince1970(), now);
    EXPECT_DOUBLE_EQ(
        overlay->currentRelativeTimerDateWithHourOffset(1, 2, 3)->timeIntervalSince1970(), now + 3723);
}

// Upright on a 375 x 667 screen the icon, the picker and the two buttons stand one below another.
TEST(TimeDisplayView, LaysOutAsExpectedUprightAndOnItsSide)
{
    for (auto [orientation, name] :
        { std::pair { 1, "time-display-portrait" }, { 3, "time-display-landscape" } }) {
        DeviceScene scene;
        if (orientation != 1)
            scene.host().setOrientation(orientation);
        auto overlay = LMTimeDisplayView::sharedInstance();
        overlay->show();
        EXPECT_TRUE(matchesExpectedLayout(*overlay, name, "tests/overlays"));
        if (orientation == 1) {
            EXPECT_TRUE(screenMatchesReference(name, "tests/overlays/reference"));
        }
    }
}
