#include "HostCallLog.h"

#include "contracts/SBLockScreenManager.h"
#include "contracts/SBUIController.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBSearchGesture.h"
#include "springboard/SBUIController.h"

using namespace springboard;

namespace {

class HomeButton : public ::testing::Test {
protected:
    void boot(Device device = {})
    {
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(std::move(device));
        HostCallLog::record<contracts::SBLockScreenManager::noteMenuButtonDown>("SBLockScreenManager");
        HostCallLog::record<contracts::SBUIController::clickedMenuButton>("SBUIController");
        m_host->buildWindows();
    }

    static bool isLocked() { return SBLockScreenManager::sharedInstance()->isUILocked(); }
    bool homeScreenShows()
    {
        auto home = findView(m_host->rootWindow(), "SBIconListView");
        return home && !home->isHidden();
    }

    std::unique_ptr<SpringBoard> m_host;
};

} // namespace

TEST_F(HomeButton, PressGoesDownToTheLockScreenManagerThenClicksTheUIController)
{
    boot();
    m_host->pressHomeButton();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> {
            "SBLockScreenManager noteMenuButtonDown", "SBUIController clickedMenuButton" }));
}

TEST_F(HomeButton, PressOnTheLitLockScreenUnlocksADeviceWithoutPasscode)
{
    boot();
    EXPECT_TRUE(isLocked());
    EXPECT_FALSE(homeScreenShows());
    m_host->pressHomeButton();
    EXPECT_FALSE(isLocked());
    EXPECT_TRUE(homeScreenShows());
    EXPECT_FALSE(SBLockScreenManager::sharedInstance()->lockScreenViewController());
    EXPECT_FALSE(findView(m_host->rootWindow(), "SBLockScreenView"));
    EXPECT_TRUE(findView(m_host->rootWindow(), "com.apple.mobilesafari.label"));
}

TEST_F(HomeButton, PressWithAPasscodeLeavesTheDeviceLocked)
{
    Device device;
    device.hasPasscode = true;
    boot(device);
    m_host->pressHomeButton();
    EXPECT_TRUE(isLocked());
}

TEST_F(HomeButton, ClickAnswersWhetherTheUIControllerHandledIt)
{
    boot();
    auto ui = SBUIController::sharedInstance();
    struct Case {
        const char* situation;
        void (*arrange)(SpringBoard&);
        bool answer;
    };
    const Case cases[] = {
        { "lock screen", [](SpringBoard&) {}, false },
        { "Today page over the lock screen", [](SpringBoard& host) { host.openTodayPage(); }, true },
        { "search page", [](SpringBoard& host) { host.openSearchPage(8); }, true },
        { "home screen", [](SpringBoard& host) { host.unlock(); }, true },
    };
    for (auto& each : cases) {
        each.arrange(*m_host);
        EXPECT_EQ(ui->clickedMenuButton(), each.answer) << each.situation;
        EXPECT_FALSE(ui->isShowingPage()) << each.situation;
    }
}

TEST_F(HomeButton, PressWithTheTodayPageOpenClosesItAndKeepsTheLock)
{
    boot();
    m_host->openTodayPage();
    EXPECT_TRUE(SBNotificationCenterController::sharedInstance()->isVisible());
    m_host->pressHomeButton();
    EXPECT_FALSE(SBNotificationCenterController::sharedInstance()->isVisible());
    EXPECT_TRUE(isLocked());
    m_host->openSearchPage(1);
    m_host->pressHomeButton();
    EXPECT_FALSE(SBSearchGesture::sharedInstance()->isPresented());
    EXPECT_TRUE(isLocked());
}
