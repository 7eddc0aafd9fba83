#include "HostCallLog.h"

#include "contracts/SBNotificationCenterLayoutViewController.h"
#include "contracts/SBNotificationCenterViewController.h"
#include "contracts/SBSearchViewController.h"
#include "contracts/SPUINavigationController.h"
#include "contracts/SPUISearchViewController.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBNotificationCenterViewController.h"
#include "springboard/SBSearchGesture.h"
#include "springboard/SBSearchViewController.h"
#include "springboard/SPUINavigationController.h"
#include "springboard/SPUISearchViewController.h"
#include "uikit/UILabel.h"
#include "uikit/UINavigationBar.h"

using namespace springboard;

namespace {

class Pages : public ::testing::Test {
protected:
    void boot(std::string systemVersion)
    {
        HostCallLog::entries().clear();
        m_host = std::make_unique<SpringBoard>(deviceWithSystem(std::move(systemVersion)));
        if (m_host->device().isSystemVersion9()) {
            HostCallLog::record<contracts::SBNotificationCenterViewController::_loadStatusBar>(
                "SBNotificationCenterViewController");
            using Layout = contracts::SBNotificationCenterLayoutViewController;
            HostCallLog::record<Layout::_loadContentViewControllers>(
                "SBNotificationCenterLayoutViewController");
            HostCallLog::record<Layout::viewWillAppear>("SBNotificationCenterLayoutViewController");
            using Search = contracts::SBSearchViewController;
            HostCallLog::record<Search::init>("SBSearchViewController");
            HostCallLog::record<Search::updatePresentationProgress>("SBSearchViewController");
            HostCallLog::record<Search::didFinishPresenting>("SBSearchViewController");
            HostCallLog::record<contracts::SPUISearchViewController::init>("SPUISearchViewController");
            HostCallLog::record<contracts::SPUISearchViewController::presentsFromEdge>(
                "SPUISearchViewController");
            HostCallLog::record<contracts::SPUINavigationController::initWithRootViewController>(
                "SPUINavigationController");
        }
        m_host->buildWindows();
        HostCallLog::entries().clear();
    }

    std::shared_ptr<UIView> find(const std::string& identifier)
    {
        return findView(m_host->rootWindow(), identifier);
    }

    std::unique_ptr<SpringBoard> m_host;
};

const std::vector<std::string> dragIn = {
    "SPUISearchViewController presentsFromEdge",
    "SBSearchViewController updatePresentationProgress: 0",
    "SBSearchViewController updatePresentationProgress: 0.25",
    "SBSearchViewController updatePresentationProgress: 0.5",
    "SBSearchViewController updatePresentationProgress: 0.75",
    "SBSearchViewController updatePresentationProgress: 1",
    "SBSearchViewController didFinishPresenting: YES",
};

} // namespace

TEST_F(Pages, TodayPageIsBuiltOnceAndHearsThatItWillAppearEachTime)
{
    boot("9.3");
    m_host->openTodayPage();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> {
            "SBNotificationCenterViewController _loadStatusBar",
            "SBNotificationCenterLayoutViewController _loadContentViewControllers",
            "SBNotificationCenterLayoutViewController viewWillAppear: YES",
        }));
    auto header = objc::cast<UILabel>(find("todayDateHeader"));
    ASSERT_TRUE(header) << "the page has content of its own";
    EXPECT_EQ(header->text(), "Monday, December 7");
    EXPECT_TRUE(find("_statusBar"));
    EXPECT_EQ(m_host->rootWindow()->subviews().back(),
        SBNotificationCenterController::sharedInstance()->viewController()->view())
        << "the page lies over the lock screen and the status bar";

    m_host->closeTodayPage();
    EXPECT_FALSE(find("todayDateHeader"));
    HostCallLog::entries().clear();
    m_host->openTodayPage();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> { "SBNotificationCenterLayoutViewController viewWillAppear: YES" }));
}

TEST_F(Pages, SearchPageIsBuiltThroughItsInitialisersAndDraggedInFromEitherEdge)
{
    boot("9.3");
    m_host->openSearchPage(8);
    auto expected = std::vector<std::string> {
        "SBSearchViewController init",
        "SPUISearchViewController init",
        "SPUINavigationController initWithRootViewController:",
    };
    expected.insert(expected.end(), dragIn.begin(), dragIn.end());
    EXPECT_EQ(HostCallLog::entries(), expected);
    auto controller = SBSearchGesture::sharedInstance()->searchViewController();
    ASSERT_TRUE(controller);
    EXPECT_EQ(controller->view()->frame(), CGRectMake(0, 0, 375, 667));
    auto bar = controller->navigationController()->navigationBar();
    EXPECT_TRUE(bar->isDescendantOfView(controller->view().get()));
    EXPECT_TRUE(find("searchField"));

    HostCallLog::entries().clear();
    m_host->closeSearchPage();
    EXPECT_EQ(HostCallLog::entries(),
        (std::vector<std::string> { "SBSearchViewController didFinishPresenting: NO" }));
    EXPECT_FALSE(find("SBSearchView"));

    HostCallLog::entries().clear();
    m_host->openSearchPage(1);
    EXPECT_EQ(HostCallLog::entries(), dragIn) << "built once";
    EXPECT_EQ(controller->searchViewController()->presentsFromEdge(), 1);
}

TEST_F(Pages, DraggingMovesThePageInFromItsEdge)
{
    boot("9.3");
    const struct {
        long edge;
        CGRect halfWay;
    } cases[] = {
        { 1, CGRectMake(0, -333.5, 375, 667) },
        { 8, CGRectMake(-187.5, 0, 375, 667) },
    };
    for (auto& each : cases) {
        m_host->dragSearchPage(each.edge, 0.5);
        auto controller = SBSearchGesture::sharedInstance()->searchViewController();
        EXPECT_EQ(controller->view()->frame(), each.halfWay) << each.edge;
        EXPECT_DOUBLE_EQ(controller->presentationProgress(), 0.5);
        m_host->closeSearchPage();
    }
}

TEST_F(Pages, SystemsOtherThan9HaveNeither)
{
    for (auto version : { "10.1", "8.4" }) {
        boot(version);
        m_host->openTodayPage();
        m_host->openSearchPage(1);
        m_host->dragSearchPage(8, 0.5);
        EXPECT_FALSE(SBNotificationCenterController::sharedInstance()->viewController()) << version;
        EXPECT_FALSE(SBSearchGesture::sharedInstance()->searchViewController()) << version;
        EXPECT_FALSE(find("SBSearchView")) << version;
    }
}
