#include "hooks/LumoraLibrary.h"
#include "objc/HookRecord.h"
#include "overlays/RootWindowCapture.h"
#include "springboard/FBRootWindow.h"
#include "support/LogCapture.h"
#include "support/host/HostFixture.h"

#include <gtest/gtest.h>

class LMAmpiroDisplayView;
class LMClearAllNotificationsDisplayView;
class LMSingleEventDisplayView;
class LMSingleNotificationDisplayView;
class LMMusicDisplayView;

namespace {

std::vector<std::string> installedRows()
{
    std::vector<std::string> rows;
    for (auto& hook : objc::installedHooks())
        rows.push_back(hook.className + " " + hook.selector);
    return rows;
}

const std::vector<std::string> alwaysInstalledByTheMainFile = {
    "SBBacklightController defaultLockScreenDimInterval",
    "SBLockScreenView initWithFrame:",
    "SBLockScreenView layoutSubviews",
    "SBLockScreenView _layoutSlideToUnlockView",
    "SBLockScreenView _layoutGrabberView:atTop:",
    "SBLockScreenView _layoutNotificationView",
    "SBLockScreenView coordinatedPresentingControllerIdentifier",
    "SBFLockScreenDateView _layoutTimeLabel",
    "SBLockScreenViewController _handleDisplayTurnedOff",
    "SBLockScreenViewController _addCameraGrabberIfNecessary",
    "SBLockScreenViewController activateCameraAnimated:",
    "SBLockScreenViewController _createCameraControllerIfNecessary",
    "SBLockScreenViewController statusBarStyle",
    "SBLockScreenViewController _effectiveVisibleStatusBarAlpha",
    "SBLockScreenViewController showsSpringBoardStatusBar",
    "SBLockScreenViewController _addBatteryChargingViewAndShowBattery:",
    "SBLockScreenViewController _addTimerView",
    "SBLockScreenViewController _addTimerViewIfNecessary",
    "SBLockScreenViewController _setMediaControlsVisible:",
};

const std::vector<std::string> iOS9Set = {
    "SBNotificationCenterLayoutViewController _loadContentViewControllers",
    "SBNotificationCenterLayoutViewController viewWillAppear:",
    "SBNotificationCenterViewController _loadStatusBar",
    "SBSearchViewController init",
    "SBSearchViewController didFinishPresenting:",
    "SBSearchViewController updatePresentationProgress:",
    "SPUISearchViewController init",
    "SPUISearchViewController presentsFromEdge",
    "SPUINavigationController initWithRootViewController:",
};

const std::vector<std::string> panelAndOverlayRows = {
    "SBLockScreenView initWithFrame:",
    "SBLockScreenManager noteMenuButtonDown",
    "SBUIController clickedMenuButton",
    "SBLockScreenViewController _addFullscreenBulletinViewWithItem:",
    "SBLockScreenViewController presentFullscreenBulletinAlertWithItem:",
    "SBLockScreenFullscreenBulletinViewController viewDidAppear:",
    "SBLockScreenFullscreenBulletinViewController performDismissAction",
    "FBRootWindow initWithDisplay:",
    "FBRootWindow initWithDisplay:",
    "FBRootWindow initWithDisplay:",
    "FBRootWindow initWithDisplay:",
    "FBRootWindow initWithDisplay:",
};

std::vector<std::string> concatenate(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

springboard::Device deviceWithSystem(std::string version, std::set<std::string> missing = {})
{
    springboard::Device device;
    device.systemVersion = std::move(version);
    device.missingClasses = std::move(missing);
    return device;
}

} // namespace

TEST(Startup, OnA93SystemAllFortyRowsAreInstalledInTableOrderAndNothingIsLogged)
{
    LogCapture log;
    HostFixture fixture(deviceWithSystem("9.3"));
    EXPECT_EQ(installedRows(), concatenate({ alwaysInstalledByTheMainFile, iOS9Set, panelAndOverlayRows }));
    EXPECT_TRUE(log.lines().empty());
}

TEST(Startup, TheTodayAndSearchRowsAreInstalledOnlyFrom90UpToButNotIncluding100)
{
    const std::pair<const char*, bool> versions[] = { { "8.4", false }, { "9.0", true }, { "9.3", true },
        { "9.10", true }, { "10.0", false }, { "10.1", false } };
    for (auto [version, installsTheSet] : versions) {
        HostFixture fixture(deviceWithSystem(version));
        auto expected = installsTheSet
            ? concatenate({ alwaysInstalledByTheMainFile, iOS9Set, panelAndOverlayRows })
            : concatenate({ alwaysInstalledByTheMainFile, panelAndOverlayRows });
        EXPECT_EQ(installedRows(), expected) << "system " << version;
    }
}

TEST(Startup, AMissingClassLogsOneLinePerRowAndTheOtherHooksStillInstall)
{
    LogCapture log;
    HostFixture fixture(deviceWithSystem("10.1", { "SBLockScreenViewController" }));
    std::vector<std::string> expectedLog(
        11, "[Lumora: Lumora:384] ERROR: logos: nil class SBLockScreenViewController");
    expectedLog.insert(expectedLog.end(), 2,
        "[Lumora: _LMContainerView/LMView:843] ERROR: logos: nil class SBLockScreenViewController");
    EXPECT_EQ(log.messages(), expectedLog);
    for (auto& line : log.lines())
        EXPECT_EQ(line.level, kCFLogLevelError);
    auto rows = installedRows();
    EXPECT_EQ(rows.size(), 40u - 9u - 13u);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "SBLockScreenView layoutSubviews"), 1);
}

TEST(Startup, EveryDisplayOverlayUnitCapturesTheRootWindowThroughTheChain)
{
    HostFixture fixture(deviceWithSystem("9.3"));
    auto window = fixture.host().rootWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(lumora::RootWindowCapture<LMAmpiroDisplayView>::window(), window);
    EXPECT_EQ(lumora::RootWindowCapture<LMClearAllNotificationsDisplayView>::window(), window);
    EXPECT_EQ(lumora::RootWindowCapture<LMSingleEventDisplayView>::window(), window);
    EXPECT_EQ(lumora::RootWindowCapture<LMSingleNotificationDisplayView>::window(), window);
    EXPECT_EQ(lumora::RootWindowCapture<LMMusicDisplayView>::window(), window);
}

TEST(Startup, WithoutTheRootWindowClassNoUnitCapturesAWindow)
{
    LogCapture log;
    HostFixture fixture(deviceWithSystem("9.3", { "FBRootWindow" }));
    EXPECT_EQ(log.lines().size(), 5u);
    EXPECT_EQ(lumora::RootWindowCapture<LMMusicDisplayView>::window(), nullptr);
}
