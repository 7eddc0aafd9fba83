// Not yet tested: the base class's init failing (the support library's base cannot be made to
// fail); each overlay's content (it arrives with the overlay's own issue).
#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "contracts/SBBacklightController.h"
#include "hooks/LumoraLibrary.h"
#include "objc/Format.h"
#include "objc/Substrate.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBBacklightController.h"
#include "support/host/HostFixture.h"
#include "support/host/IdleCountdownRecorder.h"
#include "uikit/UITouchSimulator.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One overlay class, reached through its sharedInstance.
struct Overlay {
    const char* name;
    const char* dimResetKey;
    bool livesInRootWindow;
    std::function<std::shared_ptr<UIView>()> instance;
    std::function<void()> show;
    std::function<void()> hide;
    std::function<bool()> isActive;
};

template <class T> Overlay overlay(const char* name, const char* dimResetKey, bool livesInRootWindow)
{
    return { name, dimResetKey, livesInRootWindow, [] { return T::sharedInstance(); },
        [] { T::sharedInstance()->show(); }, [] { T::sharedInstance()->hide(); },
        [] { return T::sharedInstance()->isActive(); } };
}

const Overlay overlays[] = {
    overlay<LMTimeDisplayView>("time", "chronelResetLockScreenDim", false),
    overlay<LMWeatherDisplayView>("weather", "forecastResetLockScreenDim", false),
    overlay<LMAmpiroDisplayView>("battery", "ampiroResetLockScreenDim", true),
    overlay<LMSingleEventDisplayView>("event", "kalendoResetLockScreenDim", true),
    overlay<LMSingleNotificationDisplayView>("notification", "missivaResetLockScreenDim", true),
    overlay<LMClearAllNotificationsDisplayView>("clear all", "missivaResetLockScreenDim", true),
    overlay<LMMusicDisplayView>("music", "melodraResetLockScreenDim", true),
};

// Longer than any show or hide animation.
constexpr double settle = 1;

void advance(double seconds)
{
    dispatch::RunLoop::main().advance(seconds);
}

double now()
{
    return dispatch::RunLoop::main().now();
}

// Seconds from `start` until the idle countdown turns the display off; -1 while none runs.
double idleSecondsLeftFrom(double start)
{
    auto fireDate = springboard::SBBacklightController::sharedInstance()->idleTimerFireDate();
    return fireDate ? *fireDate - start : -1;
}

std::string describeFrame(const UIView& view)
{
    CGRect frame = view.frame();
    return objc::format("%gx%g", frame.size.width, frame.size.height);
}

} // namespace

TEST(OverlayLifecycle, EachOverlayIsOneHiddenInstanceMadeOnFirstUse)
{
    HostFixture fixture;
    for (auto& overlay : overlays) {
        auto view = overlay.instance();
        ASSERT_TRUE(view) << overlay.name;
        EXPECT_EQ(view, overlay.instance()) << overlay.name;
        EXPECT_TRUE(view->isHidden()) << overlay.name;
        EXPECT_FALSE(overlay.isActive()) << overlay.name;
        auto expectedParent
            = overlay.livesInRootWindow ? std::shared_ptr<UIView>(fixture.host().rootWindow()) : nullptr;
        EXPECT_EQ(view->superview(), expectedParent) << overlay.name;
    }
}

TEST(OverlayLifecycle, EachOverlayOpensOnScreenAndClosesOutOfSight)
{
    HostFixture fixture;
    for (auto& overlay : overlays) {
        auto view = overlay.instance();
        overlay.show();
        advance(settle);
        EXPECT_TRUE(overlay.isActive()) << overlay.name;
        EXPECT_FALSE(view->isHidden()) << overlay.name;
        EXPECT_EQ(view->alpha(), 1) << overlay.name;
        ASSERT_TRUE(view->window()) << overlay.name;
        EXPECT_FALSE(view->window()->isHidden()) << overlay.name;
        EXPECT_EQ(view->frame(), CGRectMake(0, 0, 375, 667)) << overlay.name;

        overlay.hide();
        advance(settle);
        EXPECT_FALSE(overlay.isActive()) << overlay.name;
        bool outOfSight = view->isHidden() || !view->window() || view->window()->isHidden();
        EXPECT_TRUE(outOfSight) << overlay.name;
    }
}

TEST(OverlayLifecycle, OpeningAndClosingRestartTheIdleCountdownOnlyWhenTheModuleSaysSo)
{
    for (auto& overlay : overlays) {
        for (bool resets : { true, false }) {
            HostFixture fixture(
                {}, { { "idleTimerDuration", "300" }, { overlay.dimResetKey, resets ? "YES" : "NO" } });
            double boot = now();
            advance(100);
            overlay.show();
            advance(settle);
            double afterOpening = idleSecondsLeftFrom(boot);
            advance(100);
            overlay.hide();
            advance(settle);
            double afterClosing = idleSecondsLeftFrom(boot);

            // The display family restarts the countdown once its animation is over.
            double animation = overlay.livesInRootWindow ? OBDisplayView::animationDuration : 0;
            std::string context = std::string(overlay.name) + (resets ? " resetting" : " not resetting");
            EXPECT_NEAR(afterOpening, resets ? 100 + animation + 300 : 300, 1e-6) << context;
            EXPECT_NEAR(afterClosing, resets ? 201 + animation + 300 : 300, 1e-6) << context;
        }
    }
}

TEST(OverlayLifecycle, AContainerOverlayRestartsTheCountdownOnceOnScreenAndOnceMoreBeforeItLeaves)
{
    HostFixture fixture;
    auto weather = LMWeatherDisplayView::sharedInstance();
    recordIdleCountdownRestarts([&] {
        bool onScreen = weather->window() && !weather->window()->isHidden();
        return describeFrame(*weather) + (onScreen ? " on screen" : " out of sight");
    });

    recordedEvents().push_back("open");
    weather->show();
    advance(settle);
    recordedEvents().push_back("close");
    weather->hide();
    advance(settle);

    EXPECT_EQ(recordedEvents(),
        (std::vector<std::string> { "open", "idle countdown restarted: 375x667 on screen", "close",
            "idle countdown restarted: 375x667 on screen" }));
    EXPECT_TRUE(weather->containerWindow()->isHidden());
    EXPECT_EQ(weather->window(), nullptr);
}

TEST(OverlayLifecycle, ADisplayOverlayRestartsTheCountdownAfterAppearingAndAfterItHid)
{
    HostFixture fixture;
    auto battery = LMAmpiroDisplayView::sharedInstance();
    double opened = 0;
    recordIdleCountdownRestarts([&] {
        return objc::format("after %.1f s, %s, alpha %g", now() - opened,
            battery->isHidden() ? "hidden" : "shown", battery->alpha());
    });

    opened = now();
    recordedEvents().push_back("open");
    battery->show();
    advance(settle);
    opened = now();
    recordedEvents().push_back("close");
    battery->hide();
    advance(settle);

    EXPECT_EQ(recordedEvents(),
        (std::vector<std::string> { "open", "idle countdown restarted: after 0.3 s, shown, alpha 1", "close",
            "idle countdown restarted: after 0.3 s, hidden, alpha 0" }));
}

TEST(OverlayLifecycle, ATapOutsideAContainerOverlaysControlsClosesIt)
{
    HostFixture fixture;
    auto time = LMTimeDisplayView::sharedInstance();
    time->show();
    advance(settle);
    ASSERT_TRUE(time->containerWindow()->isTapToTerminateEnabled());

    UITouchSimulator().tap(CGPointMake(180, 600));
    advance(settle);

    EXPECT_FALSE(time->isActive());
    EXPECT_TRUE(time->containerWindow()->isHidden());
}

TEST(OverlayLifecycle, ADisplayOverlayMadeBeforeAnyRootWindowExistsNeverBecomesVisible)
{
    TemporaryDeviceRoot deviceRoot;
    springboard::SpringBoard host({});
    host.loadLibrary(lumora::initialisers());
    auto music = LMMusicDisplayView::sharedInstance();
    host.buildWindows();

    music->show();
    advance(settle);

    EXPECT_TRUE(music->isActive());
    EXPECT_FALSE(music->window());
    EXPECT_FALSE(music->superview());
    EXPECT_FALSE(music->isDescendantOfView(host.rootWindow().get()));
}
