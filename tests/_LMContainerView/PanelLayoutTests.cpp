// Not yet tested: the blurred wallpaper copy's picture (the rendered reference covers it), the
// children's own content (their issues).
#include "support/host/DeviceScene.h"
#include "support/host/ExpectedLayout.h"

#include "_LMContainerView/LMView.h"

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

// Each case's panel against tests/_LMContainerView/expected/NAME.txt: the areas placed by the
// status bar and the location, the weather lines stacked with fonts sized by their heights, the
// battery area beside the alarm line in front of everything, the table between the clock and the
// strips.
TEST(PanelLayout, MatchesTheExpectedLayouts)
{
    struct Case {
        const char* name;
        CGSize screen;
        Preferences preferences;
        int orientation = 1;
        bool todayPage = false;
    };
    const Case cases[] = {
        { "panel-lock-screen", { 320, 568 }, {} },
        { "panel-lock-screen-without-status-bar", { 320, 568 }, { { "shouldShowStatusBar", "NO" } } },
        { "panel-lock-screen-without-launcher", { 320, 568 }, { { "skipraEnabled", "NO" } } },
        { "panel-lock-screen-375x667", { 375, 667 }, {} },
        { "panel-lock-screen-on-its-side", { 320, 568 }, {}, 3 },
        { "panel-today-page", { 320, 568 }, { { "location", "2" } }, 1, true },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        DeviceScene scene(phone(testCase.screen), testCase.preferences);
        if (testCase.todayPage)
            scene.host().openTodayPage();
        scene.advance(1.1);
        if (testCase.orientation != 1) {
            scene.host().setOrientation(testCase.orientation);
            scene.advance(0.1);
        }
        EXPECT_TRUE(matchesExpectedLayout(scene.panel(), testCase.name, "tests/_LMContainerView"));
    }
}

TEST(PanelLayout, BuildsNoBatteryAreaWhenAmpiroIsOffAtConstruction)
{
    DeviceScene scene(phone(), { { "ampiroEnabled", "NO" } });
    scene.advance(1.1);
    EXPECT_THROW(scene.view("_ampiroContainerView"), std::logic_error);

    scene.setPreferences({ { "ampiroEnabled", "YES" } });
    scene.advance(1);
    EXPECT_THROW(scene.view("_ampiroContainerView"), std::logic_error);
}

TEST(PanelLayout, FollowsARotationWithinATenthOfASecond)
{
    DeviceScene scene(phone());
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
    DeviceScene scene(phone());
    scene.advance(0.2);
    scene.panel().setFrame(CGRectMake(1, 2, 3, 4));
    scene.advance(1);
    EXPECT_EQ(scene.panel().frame(), CGRectMake(1, 2, 3, 4));
}
