// Not yet tested: the blurred wallpaper copy's picture (the rendered reference covers it), the
// children's own content (their issues).
#include "PanelScene.h"

#include "_LMContainerView/LMView.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

#include <ostream>

static std::ostream& operator<<(std::ostream& out, const CGRect& rect)
{
    return out << "(" << rect.origin.x << ", " << rect.origin.y << ", " << rect.size.width << ", "
               << rect.size.height << ")";
}

namespace {

springboard::Device phone(CGSize screen = { 320, 568 })
{
    springboard::Device device;
    device.screenSize = screen;
    return device;
}

} // namespace

TEST(PanelLayout, PlacesTheAreasByTheStatusBarAndTheLocation)
{
    struct Case {
        const char* name;
        Preferences preferences;
        CGRect panel, timeContainer, timeDateLabel, alarmTimerLabel, weatherContainer;
    };
    const Case cases[] = {
        { "lock screen", {}, { 320, 0, 320, 568 }, { 20, 10, 140, 80 }, { 0, 5, 140, 80 }, { 0, 98, 320, 20 },
            { 160, 8.75, 140, 80 } },
        { "lock screen without the status bar", { { "shouldShowStatusBar", "NO" } }, { 320, 0, 320, 568 },
            { 20, 5, 140, 80 }, { 0, 0, 140, 80 }, { 0, 93, 320, 20 }, { 160, 6.25, 140, 80 } },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        PanelScene scene(phone(), testCase.preferences);
        scene.advance(0.2);
        EXPECT_EQ(scene.panel().frame(), testCase.panel);
        EXPECT_EQ(scene.frame("_timeContainerView"), testCase.timeContainer);
        EXPECT_EQ(scene.frame("_timeDateLabel"), testCase.timeDateLabel);
        EXPECT_EQ(scene.frame("_alarmTimerLabel"), testCase.alarmTimerLabel);
        EXPECT_EQ(scene.frame("_weatherContainerView"), testCase.weatherContainer);
    }
}

TEST(PanelLayout, OnTheTodayPageLiftsTheClockAboveItsContainer)
{
    PanelScene scene(phone(), { { "location", "2" } });
    scene.host().openTodayPage();
    scene.advance(0.2);
    EXPECT_EQ(scene.panel().frame(), CGRectMake(0, 0, 320, 568));
    EXPECT_EQ(scene.frame("_timeContainerView"), CGRectMake(20, 5, 140, 80));
    EXPECT_EQ(scene.frame("_timeDateLabel"), CGRectMake(0, -5, 140, 80));
    EXPECT_EQ(scene.frame("_alarmTimerLabel"), CGRectMake(0, 88, 320, 20));
    EXPECT_EQ(scene.frame("_weatherContainerView"), CGRectMake(160, 3.75, 140, 80));
}

TEST(PanelLayout, StacksTheWeatherLinesAndSizesTheirFontsByTheirHeights)
{
    PanelScene scene(phone());
    scene.advance(0.2);
    struct Line {
        const char* field;
        CGRect frame;
        CGFloat fontSize;
    };
    const Line lines[] = {
        { "_weatherIconAndConditionNameLabel", { 0, 20, 140, 24 }, 18 },
        { "_highLowLabel", { 0, 44, 140, 19.2 }, 19.2 - 6 },
        { "_temperatureLabel", { 0, 44 + 19.2, 140, 36 }, 30 },
        { "_weatherErrorLabel", { 0, 5, 140, 80 }, 10 },
    };
    for (auto& line : lines) {
        SCOPED_TRACE(line.field);
        auto label = scene.view<UILabel>(line.field);
        EXPECT_EQ(label->frame(), line.frame);
        EXPECT_EQ(label->font()->fontName(), "HelveticaNeue-Light");
        EXPECT_EQ(label->font()->pointSize(), line.fontSize);
    }
}

TEST(PanelLayout, PutsTheBatteryAreaBesideTheAlarmLineInFrontOfEverything)
{
    PanelScene scene(phone());
    scene.advance(0.2);
    EXPECT_EQ(scene.frame("_ampiroContainerView"), CGRectMake(20, 98, 70, 80));
    EXPECT_EQ(scene.frame("_currentBatteryStateImageView"), CGRectMake(0, 0, 25, 12.5));
    auto percent = scene.view<UILabel>("_batteryPercentLabel");
    // The single-precision 1.1 puts the text a hair past 27.5 points.
    EXPECT_EQ(percent->frame(), CGRectMake(25 * static_cast<double>(1.1f), -2.5, 45, 12.5 * 1.3));
    EXPECT_DOUBLE_EQ(percent->font()->pointSize(), 12.5 * 1.3 - 6);
    EXPECT_EQ(scene.panel().subviews().back(), scene.view("_ampiroContainerView"));
}

TEST(PanelLayout, BuildsNoBatteryAreaWhenAmpiroIsOffAtConstruction)
{
    PanelScene scene(phone(), { { "ampiroEnabled", "NO" } });
    scene.advance(1.1);
    EXPECT_THROW(scene.view("_ampiroContainerView"), std::logic_error);

    scene.setPreferences({ { "ampiroEnabled", "YES" } });
    scene.advance(1);
    EXPECT_THROW(scene.view("_ampiroContainerView"), std::logic_error);
}

TEST(PanelLayout, FollowsARotationWithinATenthOfASecond)
{
    PanelScene scene(phone());
    scene.advance(1);
    for (int orientation : { 3, 2, 1, 4 }) {
        SCOPED_TRACE(orientation);
        scene.host().setOrientation(orientation);
        scene.advance(0.1);
        EXPECT_EQ(scene.panel().frame(),
            orientation == 1 ? CGRectMake(320, 0, 320, 568) : CGRectMake(568, 0, 568, 320));
        EXPECT_EQ(scene.frame("_weatherContainerView").origin.x, scene.panel().frame().size.width / 2);
    }
}

TEST(PanelLayout, LeavesTheFrameAloneWhileTheOrientationStays)
{
    PanelScene scene(phone());
    scene.advance(0.2);
    scene.panel().setFrame(CGRectMake(1, 2, 3, 4));
    scene.advance(1);
    EXPECT_EQ(scene.panel().frame(), CGRectMake(1, 2, 3, 4));
}

TEST(PanelLayout, StacksTheTableBetweenTheClockAndTheStrips)
{
    PanelScene scene(phone());
    scene.advance(1.1);
    // Below the clock (5 + 1.5 x 80), cut to whole points, and 5 points above the launcher.
    CGFloat launcherHeight = 568 * static_cast<double>(0.071f);
    CGFloat launcherY = 568 - launcherHeight - 10;
    EXPECT_EQ(scene.frame("_appLauncherView"), CGRectMake(0, launcherY, 320, launcherHeight));
    EXPECT_EQ(scene.frame("_tableView"), CGRectMake(20, 125, 280, 377));

    scene.setPreferences({ { "skipraEnabled", "NO" } });
    scene.advance(1);
    EXPECT_EQ(scene.frame("_tableView"), CGRectMake(20, 125, 280, 568 - 125 - 10));
}
