#include "HostCallLog.h"

#include "contracts/SBBacklightController.h"
#include "contracts/SBLockScreenViewController.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"
#include "uikit/UITouchSimulator.h"

using namespace springboard;

namespace {

class Backlight : public ::testing::Test {
protected:
    void SetUp() override { boot({}); }
    void boot(Device device)
    {
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(std::move(device));
        HostCallLog::record<contracts::SBLockScreenViewController::_handleDisplayTurnedOff>(
            "SBLockScreenViewController");
        HostCallLog::record<contracts::SBBacklightController::defaultLockScreenDimInterval>(
            "SBBacklightController");
        m_host->buildWindows();
    }

    static void advance(NSTimeInterval seconds) { dispatch::RunLoop::main().advance(seconds); }
    static bool screenIsOn() { return SBBacklightController::sharedInstance()->screenIsOn(); }
    static size_t turnOffs()
    {
        return HostCallLog::count("SBLockScreenViewController _handleDisplayTurnedOff");
    }

    std::unique_ptr<SpringBoard> m_host;
};

double replacedInterval;
double dimIntervalReplacement(id, SEL)
{
    return replacedInterval;
}

} // namespace

TEST_F(Backlight, IdleLockScreenTurnsTheDisplayOffAfterTheDimIntervalAndTellsTheLockScreen)
{
    EXPECT_EQ(HostCallLog::entries().front(), "SBBacklightController defaultLockScreenDimInterval");
    advance(SBBacklightController::ownLockScreenDimInterval - 0.01);
    EXPECT_TRUE(screenIsOn());
    EXPECT_EQ(turnOffs(), 0u);
    advance(0.01);
    EXPECT_FALSE(screenIsOn());
    EXPECT_TRUE(SBBacklightController::sharedInstance()->screenIsOff());
    EXPECT_EQ(turnOffs(), 1u);
    advance(60);
    EXPECT_EQ(turnOffs(), 1u) << "a dark display counts down nothing";
}

TEST_F(Backlight, ReplacedDimIntervalDrivesTheCountdown)
{
    const struct {
        double interval;
        double offAfter;
    } cases[] = {
        { 300, 300 },
        { 0.5, 0.5 },
        // An interval that is no number of seconds leaves SpringBoard's own.
        { -5, SBBacklightController::ownLockScreenDimInterval },
        { 0, SBBacklightController::ownLockScreenDimInterval },
    };
    for (auto& each : cases) {
        m_host.reset();
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(Device {});
        replacedInterval = each.interval;
        static objc::IMP<double> previous;
        MSHookMessageEx(objc_getClass("SBBacklightController"),
            contracts::SBBacklightController::defaultLockScreenDimInterval, &dimIntervalReplacement,
            &previous);
        m_host->buildWindows();
        advance(each.offAfter - 0.001);
        EXPECT_TRUE(screenIsOn()) << each.interval;
        advance(0.001);
        EXPECT_FALSE(screenIsOn()) << each.interval;
    }
}

TEST_F(Backlight, ResettingOrTouchingRestartsTheCountdown)
{
    advance(6);
    SBBacklightController::sharedInstance()->resetLockScreenIdleTimer();
    advance(6);
    EXPECT_TRUE(screenIsOn()) << "12 s in, 6 s after the reset";
    UITouchSimulator screen;
    screen.tap(CGPointMake(100, 300));
    advance(7.9);
    EXPECT_TRUE(screenIsOn()) << "7.9 s after the touch";
    advance(0.1);
    EXPECT_FALSE(screenIsOn());
}

TEST_F(Backlight, HomeButtonLightsADarkDisplayWithoutUnlocking)
{
    m_host->turnDisplayOff();
    EXPECT_EQ(turnOffs(), 1u);
    m_host->pressHomeButton();
    EXPECT_TRUE(screenIsOn());
    EXPECT_TRUE(SBLockScreenManager::sharedInstance()->isUILocked());
    advance(SBBacklightController::ownLockScreenDimInterval);
    EXPECT_FALSE(screenIsOn()) << "the countdown started again";
    EXPECT_EQ(turnOffs(), 2u);
}

TEST_F(Backlight, TouchesOnADarkDisplayReachNothing)
{
    const CGPoint cameraCorner = CGPointMake(350, 642);
    m_host->turnDisplayOff();
    UITouchSimulator screen;
    screen.swipe(cameraCorner, UISwipeGestureRecognizerDirectionUp);
    m_host->turnDisplayOn();
    auto controller = SBLockScreenManager::sharedInstance()->lockScreenViewController();
    EXPECT_FALSE(controller->isCameraActive());
    screen.swipe(cameraCorner, UISwipeGestureRecognizerDirectionUp);
    EXPECT_TRUE(controller->isCameraActive()) << "the same swipe on a lit display";
}

TEST_F(Backlight, TurningOffAnUnlockedDeviceLocksIt)
{
    m_host->unlock();
    EXPECT_FALSE(SBLockScreenManager::sharedInstance()->isUILocked());
    advance(60);
    EXPECT_TRUE(screenIsOn()) << "no countdown without the lock screen";
    m_host->turnDisplayOff();
    EXPECT_TRUE(SBLockScreenManager::sharedInstance()->isUILocked());
    EXPECT_EQ(turnOffs(), 1u) << "the new lock screen hears that the display went off";
}
