// Not yet tested: a paused timer on the lock screen (the Clock store's own tests cover pausing).
#include "HostCallLog.h"

#include "springboard/FBRootWindow.h"

#include "contracts/TimerManager.h"
#include "springboard/SBAwayBulletinListItem.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"
#include "uikit/UILabel.h"

using namespace springboard;

namespace {

class ClockTimer : public ::testing::Test {
protected:
    void boot(Device device = {})
    {
        m_host = std::make_unique<SpringBoard>(std::move(device));
        m_host->buildWindows();
    }

    SpringBoard& host() { return *m_host; }
    // As a tweak reaches it: by name.
    std::shared_ptr<contracts::TimerManager> timerManager()
    {
        return contracts::shared<contracts::TimerManager>(
            objc_getClass("TimerManager"), contracts::TimerManager::sharedManager);
    }
    std::string timerText()
    {
        auto label = objc::cast<UILabel>(findView(host().rootWindow(), "_timerLabel"));
        return label ? label->text() : "(no timer view)";
    }
    std::shared_ptr<SBAwayBulletinListItem> bulletin()
    {
        auto controller = SBLockScreenManager::sharedInstance()
                              ->lockScreenViewController()
                              ->fullscreenBulletinViewController();
        return controller ? controller->item() : nullptr;
    }

    std::unique_ptr<SpringBoard> m_host;
};

} // namespace

TEST_F(ClockTimer, ATimerScheduledThroughTheClockStoreShowsTheLockScreenTimerViewWithinASecond)
{
    boot();
    auto timers = timerManager();
    ASSERT_TRUE(timers);
    auto& loop = dispatch::RunLoop::main();
    timers->scheduleAt(loop.now() + 120, timers->defaultSound());
    loop.advance(1);
    EXPECT_EQ(timerText(), "Timer  1:59");

    timers->cancel();
    loop.advance(1);
    EXPECT_EQ(timerText(), "(no timer view)");
}

TEST_F(ClockTimer, RingingShowsTheClocksFullScreenBulletinOnALitScreenAndTakesTheTimerViewAway)
{
    boot();
    host().startTimer(90);
    EXPECT_EQ(timerManager()->state(), 3) << "the host's timer is the Clock store's";
    host().turnDisplayOff();
    dispatch::RunLoop::main().advance(89);
    EXPECT_FALSE(bulletin());

    dispatch::RunLoop::main().advance(1);
    auto item = bulletin();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->title(), "Clock");
    EXPECT_EQ(item->message(), "Timer Done");
    EXPECT_TRUE(SBBacklightController::sharedInstance()->screenIsOn());
    EXPECT_EQ(timerText(), "(no timer view)");
    EXPECT_EQ(timerManager()->state(), 1);
}

TEST_F(ClockTimer, TheClockStoresClassesAreFindableByNameUnlessTheDeviceLacksThem)
{
    struct Case {
        std::set<std::string> missing;
        bool timerManager, alarmManager, provider, supportLibrary;
    };
    const Case cases[] = {
        { {}, true, true, true, true },
        { { "TimerManager", "SBClockDataProvider" }, false, true, false, true },
        { { "AlarmManager", "OBiOSVersion" }, true, false, true, false },
    };
    for (auto& test : cases) {
        Device device;
        device.missingClasses = test.missing;
        boot(device);
        EXPECT_EQ(bool(objc_getClass("TimerManager")), test.timerManager);
        EXPECT_EQ(bool(objc_getClass("AlarmManager")), test.alarmManager);
        EXPECT_EQ(bool(objc_getClass("SBClockDataProvider")), test.provider);
        EXPECT_EQ(bool(objc_getClass("OBiOSVersion")), test.supportLibrary);
        EXPECT_TRUE(objc_getClass("SBUIController"));
    }
}
