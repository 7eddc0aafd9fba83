#include "_LMContainerView/LMView.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBNotificationCenterLayoutViewController.h"
#include "springboard/SBNotificationCenterViewController.h"
#include "support/host/HostFixture.h"

#include <gtest/gtest.h>

namespace {

using springboard::SBNotificationCenterController;

// The Today page's views on screen, the panel by its class name.
std::vector<std::string> shownOnTheTodayPage()
{
    std::vector<std::string> shown;
    auto& page
        = SBNotificationCenterController::sharedInstance()->viewController()->layoutViewController()->view();
    for (auto& view : page->subviews()) {
        if (!view->isHidden())
            shown.push_back(view->accessibilityIdentifier().empty() ? view->className()
                                                                    : view->accessibilityIdentifier());
    }
    return shown;
}

bool notificationCenterHasAStatusBar()
{
    return SBNotificationCenterController::sharedInstance()->viewController()->statusBar() != nullptr;
}

} // namespace

TEST(TodayPageHooks, WithThePanelOnTheTodayPageThePageShowsOnlyThePanel)
{
    struct Case {
        const char* description;
        Preferences preferences;
        std::vector<std::string> shown;
        bool statusBar;
    };
    const Case cases[] = {
        { "on the Today page", { { "location", "2" } }, { "LMView" }, true },
        { "on the Today page without the status bar",
            { { "location", "2" }, { "shouldShowStatusBar", "NO" } }, { "LMView" }, false },
        { "on the lock screen", { { "location", "1" }, { "shouldShowStatusBar", "NO" } },
            { "todayDateHeader", "todaySummary" }, true },
        { "switched off", { { "location", "2" }, { "enabled", "NO" } }, { "todayDateHeader", "todaySummary" },
            true },
    };
    for (auto& test : cases) {
        HostFixture fixture({}, test.preferences);
        fixture.host().openTodayPage();
        fixture.host().closeTodayPage();
        fixture.host().openTodayPage();
        EXPECT_EQ(shownOnTheTodayPage(), test.shown) << test.description;
        EXPECT_EQ(notificationCenterHasAStatusBar(), test.statusBar) << test.description;
    }
}

TEST(TodayPageHooks, TheTodayPageReadsTheSettingsAsItIsBuilt)
{
    HostFixture fixture({}, { { "location", "2" }, { "enabled", "NO" } });
    fixture.writePreferences({ { "location", "2" }, { "enabled", "YES" } });
    fixture.host().openTodayPage();

    EXPECT_EQ(shownOnTheTodayPage(), std::vector<std::string> { "LMView" });
    EXPECT_FALSE(LMView::sharedInstance()->isHidden());
}
