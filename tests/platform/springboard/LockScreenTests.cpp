// Not yet tested: how the lock screen looks (checked by eye on rendered pictures).
#include "HostCallLog.h"
#include "support/TemporaryDeviceRoot.h"

#include "contracts/SBFLockScreenDateView.h"
#include "contracts/SBLockScreenView.h"
#include "contracts/SBLockScreenViewController.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBFLockScreenDateView.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenView.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBStatusBarView.h"
#include "uikit/UIApplication.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UIScrollView.h"
#include "uikit/UITouchSimulator.h"

using namespace springboard;

namespace {

class LockScreen : public ::testing::Test {
protected:
    void boot(Device device = {})
    {
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(std::move(device));
        using View = contracts::SBLockScreenView;
        using Controller = contracts::SBLockScreenViewController;
        HostCallLog::record<View::initWithFrame>("SBLockScreenView");
        HostCallLog::record<View::layoutSubviews>("SBLockScreenView");
        HostCallLog::record<View::_layoutSlideToUnlockView>("SBLockScreenView");
        HostCallLog::record<View::_layoutGrabberView>("SBLockScreenView");
        HostCallLog::record<View::_layoutNotificationView>("SBLockScreenView");
        HostCallLog::record<contracts::SBFLockScreenDateView::_layoutTimeLabel>("SBFLockScreenDateView");
        HostCallLog::record<Controller::_addCameraGrabberIfNecessary>("SBLockScreenViewController");
        HostCallLog::record<Controller::_createCameraControllerIfNecessary>("SBLockScreenViewController");
        HostCallLog::record<Controller::activateCameraAnimated>("SBLockScreenViewController");
        HostCallLog::record<Controller::statusBarStyle>("SBLockScreenViewController");
        HostCallLog::record<Controller::showsSpringBoardStatusBar>("SBLockScreenViewController");
        HostCallLog::record<Controller::_effectiveVisibleStatusBarAlpha>("SBLockScreenViewController");
        HostCallLog::record<Controller::_addBatteryChargingViewAndShowBattery>("SBLockScreenViewController");
        HostCallLog::record<Controller::_addTimerViewIfNecessary>("SBLockScreenViewController");
        HostCallLog::record<Controller::_addTimerView>("SBLockScreenViewController");
        HostCallLog::record<Controller::_setMediaControlsVisible>("SBLockScreenViewController");
        m_host->buildWindows();
    }

    SpringBoard& host() { return *m_host; }
    std::shared_ptr<SBLockScreenView> lockScreenView()
    {
        auto controller = SBLockScreenManager::sharedInstance()->lockScreenViewController();
        return controller ? controller->lockScreenView() : nullptr;
    }
    std::shared_ptr<UIView> find(const std::string& identifier)
    {
        return findView(host().rootWindow(), identifier);
    }
    std::string textOf(const std::string& identifier)
    {
        auto label = objc::cast<UILabel>(find(identifier));
        return label ? label->text() : "(no label " + identifier + ")";
    }

    std::unique_ptr<SpringBoard> m_host;
};

const std::vector<std::string> statusBarQueries = {
    "SBLockScreenViewController statusBarStyle",
    "SBLockScreenViewController showsSpringBoardStatusBar",
    "SBLockScreenViewController _effectiveVisibleStatusBarAlpha",
};

} // namespace

TEST_F(LockScreen, IsBuiltThroughTheReplaceableMethodsInTheOrderOfARealOne)
{
    boot();
    std::vector<std::string> expected = {
        "SBLockScreenView initWithFrame:",
        "SBLockScreenViewController _addCameraGrabberIfNecessary",
        "SBLockScreenViewController _createCameraControllerIfNecessary",
        "SBLockScreenView layoutSubviews",
        "SBLockScreenView _layoutSlideToUnlockView",
        "SBLockScreenView _layoutGrabberView:atTop: YES",
        "SBLockScreenView _layoutGrabberView:atTop: NO",
        "SBLockScreenView _layoutNotificationView",
        "SBFLockScreenDateView _layoutTimeLabel",
    };
    for (int drawing = 0; drawing < 2; ++drawing)
        expected.insert(expected.end(), statusBarQueries.begin(), statusBarQueries.end());
    EXPECT_EQ(HostCallLog::entries(), expected);
}

TEST_F(LockScreen, AddsTheChargingTimerAndMediaViewsTheDeviceCallsForAfterTheLayoutPass)
{
    // A timer started before a restart goes on in the Clock store on the device's disk.
    TemporaryDeviceRoot disk;
    boot();
    host().startTimer(300);
    Device device;
    device.battery.charging = true;
    device.media = MediaPlayer({ { "Song", "Artist", "Album", nullptr } }, 0, true);
    boot(device);
    auto calls = HostCallLog::since("SBFLockScreenDateView _layoutTimeLabel");
    std::vector<std::string> expected = {
        "SBFLockScreenDateView _layoutTimeLabel",
        "SBLockScreenViewController _addBatteryChargingViewAndShowBattery: YES",
        "SBLockScreenViewController _addTimerViewIfNecessary",
        "SBLockScreenViewController _addTimerView",
        "SBLockScreenViewController _setMediaControlsVisible: YES",
    };
    calls.resize(std::min(calls.size(), expected.size()));
    EXPECT_EQ(calls, expected);
    for (auto identifier : { "_batteryChargingView", "_timerView", "_mediaControlsView" })
        EXPECT_TRUE(find(identifier)) << identifier;
    EXPECT_EQ(textOf("_timerLabel"), "Timer  5:00");
}

TEST_F(LockScreen, HasTheFieldsATweakReadsByNameHoldingViewsThatLookLikeWhatTheyAre)
{
    boot();
    auto view = lockScreenView();
    ASSERT_TRUE(view);
    auto scrollView = objc::cast<UIScrollView>(
        objc_getIvarNamed<std::shared_ptr<UIView>>(view.get(), "_foregroundScrollView"));
    ASSERT_TRUE(scrollView);
    EXPECT_EQ(scrollView->frame(), CGRectMake(0, 0, 375, 667));
    EXPECT_EQ(scrollView->contentOffset(), CGPointMake(375, 0)) << "it rests on the lock-screen page";
    for (auto field :
        { "_pluginView", "_bottomLeftGrabberView", "_slideToUnlockView", "_notificationView" }) {
        auto fieldView = objc_getIvarNamed<std::shared_ptr<UIView>>(view.get(), field);
        ASSERT_TRUE(fieldView) << field;
        EXPECT_EQ(fieldView->accessibilityIdentifier(), field);
        EXPECT_TRUE(fieldView->isDescendantOfView(scrollView.get())) << field;
        EXPECT_FALSE(fieldView->isHidden()) << field;
    }
    EXPECT_EQ(textOf("_slideToUnlockView"), "slide to unlock");
    auto dateView = view->dateView();
    for (auto field : { "_legibilityTimeLabel", "_legibilityDateLabel" })
        EXPECT_TRUE(objc::cast<UILabel>(objc_getIvarNamed<std::shared_ptr<UIView>>(dateView.get(), field)))
            << field;
    EXPECT_TRUE(find("_cameraGrabberView"));
}

TEST_F(LockScreen, ClockShowsTheTimeAndDateAndFollowsTheMinute)
{
    struct Case {
        bool uses24HourTime;
        NSTimeInterval later;
        const char* time;
        const char* date;
    };
    const Case cases[] = {
        { false, 0, "9:05", "Monday, December 7" },
        { true, 0, "09:05", "Monday, December 7" },
        { false, 29.5, "9:05", "Monday, December 7" },
        { false, 30, "9:06", "Monday, December 7" },
        { false, 14 * 3600 + 56 * 60, "12:01", "Tuesday, December 8" },
    };
    for (auto& each : cases) {
        Device device;
        device.uses24HourTime = each.uses24HourTime;
        device.screenOn = false; // no idle countdown to watch
        boot(device);
        dispatch::RunLoop::main().advance(each.later);
        EXPECT_EQ(textOf("_legibilityTimeLabel"), each.time) << each.later;
        EXPECT_EQ(textOf("_legibilityDateLabel"), each.date) << each.later;
    }
}

TEST_F(LockScreen, StatusBarFollowsTheManagersAlphaAndTheLockScreensAnswers)
{
    boot();
    auto bar = SBAppStatusBarManager::sharedInstance()->statusBarView();
    EXPECT_EQ(bar->alpha(), 1);
    EXPECT_EQ(bar->superview(), host().rootWindow());
    EXPECT_EQ(textOf("statusBarTime"), "9:05 AM");
    EXPECT_EQ(textOf("statusBarBatteryPercent"), "100%");

    SBAppStatusBarManager::sharedInstance()->setStatusBarAlpha(0);
    EXPECT_EQ(bar->alpha(), 0);
    SBAppStatusBarManager::sharedInstance()->setStatusBarAlpha(1);

    static objc::IMP<bool> previous;
    MSHookMessageEx(
        objc_getClass("SBLockScreenViewController"),
        contracts::SBLockScreenViewController::showsSpringBoardStatusBar, +[](id, SEL) { return false; },
        &previous);
    host().setBattery(0.42f);
    EXPECT_EQ(bar->alpha(), 0) << "the lock screen says it shows no status bar";
    EXPECT_EQ(textOf("statusBarBatteryPercent"), "42%");

    host().unlock();
    EXPECT_EQ(bar->alpha(), 1) << "the home screen asks the lock screen nothing";
}

TEST_F(LockScreen, ChargerTimerMusicAndCameraSendTheirMethodsAsTheyHappen)
{
    Device device;
    device.media = MediaPlayer({ { "Song", "Artist", "Album", nullptr } });
    boot(device);
    HostCallLog::entries().clear();
    host().setCharging(true);
    host().startTimer(90);
    host().setMusicPlaying(true);
    host().swipeCamera();
    auto calls = HostCallLog::entries();
    std::erase_if(calls, [](auto& call) {
        return call.find("StatusBar") != std::string::npos || call.find("statusBar") != std::string::npos;
    });
    EXPECT_EQ(calls,
        (std::vector<std::string> {
            "SBLockScreenViewController _addBatteryChargingViewAndShowBattery: YES",
            "SBLockScreenViewController _addTimerViewIfNecessary",
            "SBLockScreenViewController _addTimerView",
            "SBLockScreenViewController _setMediaControlsVisible: YES",
            "SBLockScreenViewController activateCameraAnimated: YES",
        }));
    EXPECT_TRUE(find("_cameraView"));
    EXPECT_EQ(textOf("_chargePercentLabel"), "Charged");

    dispatch::RunLoop::main().advance(30);
    EXPECT_EQ(textOf("_timerLabel"), "Timer  1:00");
    host().setCharging(false);
    EXPECT_FALSE(find("_batteryChargingView"));
    host().pressHomeButton();
    EXPECT_FALSE(find("_cameraView")) << "the home button closes the camera first";
    EXPECT_TRUE(SBLockScreenManager::sharedInstance()->isUILocked());
}

TEST_F(LockScreen, CameraSwipeOnTheGrabberActivatesTheCamera)
{
    boot();
    HostCallLog::entries().clear();
    auto grabber = find("_cameraGrabberView");
    ASSERT_TRUE(grabber);
    host().rootWindow()->layoutIfNeeded();
    CGRect area = grabber->bounds();
    UITouchSimulator screen;
    screen.swipe(grabber->convertPointToView(CGPointMake(CGRectGetMidX(area), CGRectGetMidY(area)), nullptr),
        UISwipeGestureRecognizerDirectionUp);
    EXPECT_EQ(HostCallLog::count("SBLockScreenViewController activateCameraAnimated:"), 1u);
    EXPECT_TRUE(find("_cameraView"));
}

TEST_F(LockScreen, RotatingLaysTheLockScreenOutAgainInTheNewShape)
{
    boot();
    HostCallLog::entries().clear();
    host().setOrientation(3);
    EXPECT_EQ(UIScreen::mainScreen()->bounds(), CGRectMake(0, 0, 667, 375));
    EXPECT_EQ(host().rootWindow()->frame(), CGRectMake(0, 0, 667, 375));
    EXPECT_EQ(lockScreenView()->frame(), CGRectMake(0, 0, 667, 375));
    EXPECT_EQ(lockScreenView()->foregroundScrollView()->contentOffset(), CGPointMake(667, 0));
    EXPECT_EQ(HostCallLog::count("SBLockScreenView layoutSubviews"), 1u);
    EXPECT_EQ(UIApplication::sharedApplication()->windowsOnScreen().size(), 1u);
}
