// Not yet tested: a SpringBoard whose lock-screen view lacks one of the fields read by name (the
// host always has them).
#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "_LMContainerView/LMView.h"
#include "contracts/SBLockScreenView.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenView.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBStatusBarView.h"
#include "support/host/HostFixture.h"
#include "uikit/UIScrollView.h"
#include <algorithm>

#include <gtest/gtest.h>

namespace {

using springboard::SBLockScreenManager;

std::shared_ptr<springboard::SBLockScreenView> lockScreenView()
{
    return SBLockScreenManager::sharedInstance()->lockScreenViewController()->lockScreenView();
}

// SpringBoard's own lock-screen views that make way for the panel, in the order they lie.
const std::vector<std::string> springBoardsOwnViews
    = { "_pluginView", "_notificationView", "_slideToUnlockView", "_topGrabberView", "_bottomGrabberView",
          "_bottomLeftGrabberView", "_legibilityTimeLabel", "_legibilityDateLabel", "_cameraGrabberView",
          "_batteryChargingView", "_timerView", "_mediaControlsView" };

// Those of them on screen: shown, inside shown views, and laid out.
void collectShownViews(const UIView& view, std::vector<std::string>& shown)
{
    if (view.isHidden())
        return;
    if (std::ranges::count(springBoardsOwnViews, view.accessibilityIdentifier())
        && view.frame().size.width > 0)
        shown.push_back(view.accessibilityIdentifier());
    for (auto& subview : view.subviews())
        collectShownViews(*subview, shown);
}

// What the lock screen shows once the device has called for everything it can add.
struct LockScreenState {
    std::vector<std::string> shownViews;
    bool cameraOpens;
    int coordinatedPresentingControllerIdentifier;
    double statusBarAlpha;
    long statusBarStyle;
    bool panelOnLockScreen;
};

LockScreenState lockScreenAfterEverythingWasCalledFor(springboard::SpringBoard& host)
{
    host.setCharging(true);
    host.startTimer(600);
    host.setMusicPlaying(true);
    host.swipeCamera();
    auto controller = SBLockScreenManager::sharedInstance()->lockScreenViewController();
    bool cameraOpens = controller->isCameraActive();
    controller->dismissCamera();
    controller->layoutLockScreen();
    dispatch::RunLoop::main().advance(1);

    auto view = lockScreenView();
    LockScreenState state;
    collectShownViews(*view, state.shownViews);
    state.cameraOpens = cameraOpens;
    state.coordinatedPresentingControllerIdentifier
        = contracts::SBLockScreenView::coordinatedPresentingControllerIdentifier(view.get());
    auto& statusBar = springboard::SBAppStatusBarManager::sharedInstance()->statusBarView();
    state.statusBarAlpha = statusBar->alpha();
    state.statusBarStyle = statusBar->style();
    state.panelOnLockScreen = LMView::sharedInstance()->isDescendantOfView(view.get());
    return state;
}

} // namespace

TEST(LockScreenHooks, ThePanelTakesThePlaceOfSpringBoardsOwnLockScreenOnlyWhereTheSettingsPutIt)
{
    struct Case {
        const char* description;
        Preferences preferences;
        LockScreenState expected;
    };
    const Case cases[] = {
        { "on the lock screen with the status bar hidden",
            { { "location", "1" }, { "shouldShowStatusBar", "NO" } }, { {}, false, -1, 0, 0, true } },
        { "on the lock screen with the status bar", { { "location", "1" }, { "shouldShowStatusBar", "YES" } },
            { {}, false, -1, 1, 1, true } },
        { "on the Today page", { { "location", "2" }, { "shouldShowStatusBar", "NO" } },
            { springBoardsOwnViews, true, 0, 1, 1, false } },
        { "switched off", { { "enabled", "NO" }, { "shouldShowStatusBar", "NO" } },
            { springBoardsOwnViews, true, 0, 1, 1, false } },
    };
    // A song loaded, so that playing it brings up the media controls.
    springboard::Device device;
    device.media = springboard::MediaPlayer({ { "Song", "Artist", "Album", nullptr } });
    for (auto& test : cases) {
        HostFixture fixture(device, test.preferences);
        auto state = lockScreenAfterEverythingWasCalledFor(fixture.host());
        EXPECT_EQ(state.shownViews, test.expected.shownViews) << test.description;
        EXPECT_EQ(state.cameraOpens, test.expected.cameraOpens) << test.description;
        EXPECT_EQ(state.coordinatedPresentingControllerIdentifier,
            test.expected.coordinatedPresentingControllerIdentifier)
            << test.description;
        EXPECT_EQ(state.statusBarAlpha, test.expected.statusBarAlpha) << test.description;
        EXPECT_EQ(state.statusBarStyle, test.expected.statusBarStyle) << test.description;
        EXPECT_EQ(state.panelOnLockScreen, test.expected.panelOnLockScreen) << test.description;
    }
}

TEST(LockScreenHooks, ThePanelFillsTheForegroundScrollViewOnce)
{
    HostFixture fixture;
    auto view = lockScreenView();
    auto panel = LMView::sharedInstance();
    std::shared_ptr<UIView> scrollView = view->foregroundScrollView();
    fixture.host().setOrientation(3);
    fixture.host().setOrientation(1);

    EXPECT_EQ(panel->superview(), scrollView);
    EXPECT_EQ(std::count(scrollView->subviews().begin(), scrollView->subviews().end(), panel), 1);
    EXPECT_EQ(scrollView->frame(), CGRectMake(0, 0, 375, 667));
}

TEST(LockScreenHooks, TheIdleDurationBecomesTheDimIntervalWhenItsWholePartIsASecondOrMore)
{
    struct Case {
        Preferences preferences;
        double secondsUntilDark;
    };
    const double own = springboard::SBBacklightController::ownLockScreenDimInterval;
    const Case cases[] = {
        { { { "idleTimerDuration", "300" } }, 300 },
        { { { "idleTimerDuration", "1.5" } }, 1.5 },
        { { { "idleTimerDuration", "0.5" } }, own },
        { { { "idleTimerDuration", "-30" } }, own },
        { { { "idleTimerDuration", "300" }, { "location", "2" } }, own },
        { { { "idleTimerDuration", "300" }, { "enabled", "NO" } }, own },
    };
    // A song loaded, so that playing it brings up the media controls.
    springboard::Device device;
    device.media = springboard::MediaPlayer({ { "Song", "Artist", "Album", nullptr } });
    for (auto& test : cases) {
        HostFixture fixture(device, test.preferences);
        auto& device = fixture.host().device();
        EXPECT_EQ(springboard::SBBacklightController::sharedInstance()->defaultLockScreenDimInterval(),
            test.secondsUntilDark);
        dispatch::RunLoop::main().advance(test.secondsUntilDark - 0.01);
        EXPECT_TRUE(device.screenOn) << test.secondsUntilDark;
        dispatch::RunLoop::main().advance(0.02);
        EXPECT_FALSE(device.screenOn) << test.secondsUntilDark;
    }
}
