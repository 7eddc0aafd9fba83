#include "support/host/DeviceScene.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBApplication.h"
#include "contracts/UIImageOBAdditions.h"
#include "launcher/LMAppLauncherAppIconImageView.h"
#include "launcher/LMAppLauncherView.h"
#include "orblib/DeviceLaunchLog.h"
#include "uikit/UIImage.h"
#include "uikit/UIScrollView.h"

#include <gtest/gtest.h>

namespace {

const char* const appListPath
    = "/private/var/mobile/Library/Preferences/com.orbelin.lumora.applist.activeapps";

std::shared_ptr<UIScrollView> row(const DeviceScene& scene)
{
    return objc::cast<UIScrollView>(scene.view("_appLauncherView")->subviews().at(0));
}

std::vector<std::shared_ptr<LMAppLauncherAppIconImageView>> icons(const DeviceScene& scene)
{
    std::vector<std::shared_ptr<LMAppLauncherAppIconImageView>> icons;
    for (auto& view : row(scene)->subviews()) {
        if (auto icon = objc::cast<LMAppLauncherAppIconImageView>(view))
            icons.push_back(icon);
    }
    return icons;
}

std::vector<std::string> identifiers(const DeviceScene& scene)
{
    std::vector<std::string> identifiers;
    for (auto& icon : icons(scene))
        identifiers.push_back(icon->app()->bundleIdentifier());
    return identifiers;
}

} // namespace

TEST(PanelAppLauncher, ShowsTheSwitchersAppsAsCirclesRingedInTheirOwnColour)
{
    DeviceScene scene;
    scene.advance(0.2);
    // 667 x the single-precision 0.071, above the 40-point floor.
    CGFloat stripHeight = 667 * static_cast<double>(0.071f);
    EXPECT_EQ(scene.frame("_appLauncherView"), CGRectMake(0, 667 - stripHeight - 10, 375, stripHeight));
    CGFloat side = stripHeight - 10;
    EXPECT_EQ(row(scene)->frame(), CGRectMake(20, 5, 335, side));

    EXPECT_EQ(identifiers(scene),
        (std::vector<std::string> { "com.apple.MobileSMS", "com.apple.mobilesafari", "com.apple.Music" }));
    CGFloat x = 0;
    for (auto& icon : icons(scene)) {
        SCOPED_TRACE(icon->app()->bundleIdentifier());
        EXPECT_EQ(icon->frame(), CGRectMake(x, 0, side, side));
        EXPECT_EQ(icon->layer().cornerRadius(), side / 2);
        EXPECT_EQ(icon->layer().borderWidth(), 2.0);
        auto merged = contracts::UIImageOBAdditions::mergedColor(icon->image().get());
        ASSERT_TRUE(merged && icon->layer().borderColor());
        EXPECT_TRUE(icon->layer().borderColor()->isEqual(*merged));
        EXPECT_TRUE(icon->layer().masksToBounds());
        x += side + 5;
    }
    EXPECT_EQ(row(scene)->contentSize(), CGSizeMake(3 * (side + 5), side));
}

TEST(PanelAppLauncher, ShowsTheChosenAppsInTheListsOrderWithoutGaps)
{
    DeviceScene scene;
    scene.advance(0.2);
    scene.deviceRoot().write(
        appListPath, "com.apple.Music:Music\n\ncom.apple.camera\ncom.example.gone\ncom.apple.mobilecal\n");
    scene.setPreferences({ { "useCustomApps", "YES" }, { "appLauncherShape", "1" } });
    scene.panel().appLauncherView()->update();
    EXPECT_EQ(identifiers(scene),
        (std::vector<std::string> { "com.apple.Music", "com.apple.camera", "com.apple.mobilecal" }));
    for (auto& icon : icons(scene)) {
        EXPECT_EQ(icon->layer().cornerRadius(), 1.0);
        EXPECT_EQ(icon->layer().borderWidth(), 0.0);
    }
    CGFloat side = row(scene)->height();
    EXPECT_EQ(icons(scene)[1]->frame().origin.x, side + 5);

    std::filesystem::remove(scene.deviceRoot().hostPath(appListPath));
    scene.panel().appLauncherView()->update();
    EXPECT_TRUE(icons(scene).empty());
    EXPECT_EQ(row(scene)->contentSize(), CGSizeMake(0, 0)) << "left unset without a list";
}

TEST(PanelAppLauncher, OpensTheTappedAppAskingToUnlockOnlyOnTheLockScreen)
{
    struct Case {
        const char* location;
        const char* operation;
    };
    const Case cases[] = {
        { "1", "activateApplicationPromptToUnlockIfNecessary:" },
        { "2", "activateApplication:" },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.location);
        orblib::DeviceLaunchLog::clear();
        DeviceScene scene({}, { { "location", testCase.location } });
        if (std::string(testCase.location) == "2")
            scene.host().openTodayPage();
        scene.advance(0.2);
        scene.tap(*icons(scene).at(1));
        auto launches = orblib::DeviceLaunchLog::launches();
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].operation, testCase.operation);
        EXPECT_EQ(launches[0].target, "com.apple.mobilesafari");
    }
}
