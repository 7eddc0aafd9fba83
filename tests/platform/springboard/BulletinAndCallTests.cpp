#include "HostCallLog.h"

#include "contracts/SBConferenceManager.h"
#include "contracts/SBLockScreenFullscreenBulletinViewController.h"
#include "contracts/SBLockScreenViewController.h"
#include "contracts/SBTelephonyManager.h"
#include "contracts/SBUIController.h"
#include "objc/ClassRef.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"
#include "uikit/UILabel.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

using namespace springboard;

namespace {

class Bulletins : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(Device {});
        using Controller = contracts::SBLockScreenViewController;
        using Bulletin = contracts::SBLockScreenFullscreenBulletinViewController;
        HostCallLog::record<Controller::presentFullscreenBulletinAlertWithItem>("SBLockScreenViewController");
        HostCallLog::record<Controller::_addFullscreenBulletinViewWithItem>("SBLockScreenViewController");
        HostCallLog::record<Bulletin::viewDidAppear>("SBLockScreenFullscreenBulletinViewController");
        HostCallLog::record<Bulletin::performDismissAction>("SBLockScreenFullscreenBulletinViewController");
        m_host->buildWindows();
    }

    std::shared_ptr<UIView> bulletinView()
    {
        return findView(m_host->rootWindow(), "fullscreenBulletinView");
    }

    std::unique_ptr<SpringBoard> m_host;
};

} // namespace

TEST_F(Bulletins, ArriveOverTheLockScreenThroughTheThreeMethodsAndGoThroughTheDismissAction)
{
    m_host->showFullscreenBulletin("Alarm", "Wake up");
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> {
            "SBLockScreenViewController presentFullscreenBulletinAlertWithItem:",
            "SBLockScreenViewController _addFullscreenBulletinViewWithItem:",
            "SBLockScreenFullscreenBulletinViewController viewDidAppear: YES",
        }));
    auto view = bulletinView();
    ASSERT_TRUE(view);
    auto& windowViews = m_host->rootWindow()->subviews();
    auto lockScreen = findView(m_host->rootWindow(), "SBLockScreenView");
    EXPECT_GT(std::find(windowViews.begin(), windowViews.end(), view),
        std::find(windowViews.begin(), windowViews.end(), lockScreen))
        << "over the lock screen";
    EXPECT_EQ(objc::cast<UILabel>(findView(view, "_titleLabel"))->text(), "Alarm");

    HostCallLog::entries().clear();
    m_host->dismissFullscreenBulletin();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> { "SBLockScreenFullscreenBulletinViewController performDismissAction" }));
    EXPECT_FALSE(bulletinView());
}

TEST_F(Bulletins, DismissButtonAndUnlockingBothGoThroughTheDismissAction)
{
    m_host->showFullscreenBulletin();
    auto button = findView(bulletinView(), "_dismissButton");
    ASSERT_TRUE(button);
    m_host->rootWindow()->layoutIfNeeded();
    CGRect area = button->bounds();
    UITouchSimulator screen;
    screen.tap(button->convertPointToView(CGPointMake(CGRectGetMidX(area), CGRectGetMidY(area)), nullptr));
    EXPECT_EQ(HostCallLog::count("SBLockScreenFullscreenBulletinViewController performDismissAction"), 1u);
    EXPECT_FALSE(bulletinView());

    m_host->showFullscreenBulletin();
    HostCallLog::entries().clear();
    m_host->unlock();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> { "SBLockScreenFullscreenBulletinViewController performDismissAction" }));
}

TEST_F(Bulletins, ArrivingOnADarkDisplayLightsIt)
{
    m_host->turnDisplayOff();
    m_host->showFullscreenBulletin();
    EXPECT_TRUE(SBBacklightController::sharedInstance()->screenIsOn());
    EXPECT_TRUE(bulletinView());
}

TEST(Calls, ManagersReportTheDevicesCallsAndBattery)
{
    SpringBoard host { Device {} };
    host.buildWindows();
    static objc::ClassRef telephonyClass { "SBTelephonyManager" };
    static objc::ClassRef conferenceClass { "SBConferenceManager" };
    static objc::ClassRef uiClass { "SBUIController" };
    auto telephony = contracts::shared<contracts::SBTelephonyManager>(
        telephonyClass, contracts::SBTelephonyManager::sharedTelephonyManager);
    auto conference = contracts::shared<contracts::SBConferenceManager>(conferenceClass);
    auto ui = contracts::shared<contracts::SBUIController>(uiClass);
    ASSERT_TRUE(telephony && conference && ui);

    struct Step {
        void (SpringBoard::*action)();
        bool inCall, incoming, faceTimeActive, faceTimeInvitation;
    };
    const Step steps[] = {
        { &SpringBoard::incomingCall, false, true, false, false },
        { &SpringBoard::answerCall, true, false, false, false },
        { &SpringBoard::endCall, false, false, false, false },
        { &SpringBoard::faceTimeInvitation, false, false, false, true },
        { &SpringBoard::answerFaceTime, false, false, true, false },
        { &SpringBoard::endFaceTime, false, false, false, false },
    };
    for (auto& step : steps) {
        (host.*step.action)();
        EXPECT_EQ(telephony->inCall(), step.inCall);
        EXPECT_EQ(telephony->incomingCallExists(), step.incoming);
        EXPECT_EQ(conference->activeFaceTimeCallExists(), step.faceTimeActive);
        EXPECT_EQ(conference->faceTimeInvitationExists(), step.faceTimeInvitation);
    }

    host.setBattery(0.105f);
    host.setCharging(true);
    EXPECT_FLOAT_EQ(ui->batteryCapacity(), 0.105f) << "a level that was set keeps its fraction";
    EXPECT_TRUE(ui->isOnAC());
}

TEST(Calls, IncomingCallLightsADarkDisplay)
{
    SpringBoard host { Device {} };
    host.buildWindows();
    host.turnDisplayOff();
    host.incomingCall();
    EXPECT_TRUE(SBBacklightController::sharedInstance()->screenIsOn());
}
