#include "_LMContainerView/LMView.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBSearchGesture.h"
#include "springboard/SBSearchViewController.h"
#include "springboard/SPUINavigationController.h"
#include "springboard/SPUISearchViewController.h"
#include "support/host/HostFixture.h"
#include "uikit/UINavigationBar.h"

#include <gtest/gtest.h>

namespace {

// What the search page shows, and SpringBoard's status bar.
struct SearchPage {
    bool panelShown;
    bool searchViewShown;
    bool navigationBarShown;
    double statusBarAlpha;

    bool operator==(const SearchPage&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SearchPage& page)
{
    return out << "panel " << page.panelShown << ", search view " << page.searchViewShown
               << ", navigation bar " << page.navigationBarShown << ", status bar alpha "
               << page.statusBarAlpha;
}

SearchPage searchPage()
{
    auto& controller = springboard::SBSearchGesture::sharedInstance()->searchViewController();
    auto panel = LMView::sharedInstance();
    return { panel->isDescendantOfView(controller->view().get()) && !panel->isHidden(),
        !controller->searchViewController()->view()->isHidden(),
        !controller->navigationController()->navigationBar()->isHidden(),
        springboard::SBAppStatusBarManager::sharedInstance()->statusBarAlpha() };
}

} // namespace

TEST(SearchPageHooks, ThePanelReplacesTheSearchPageOnlyWhenRevealedFromTheEdgeItsLocationNames)
{
    struct Case {
        Preferences preferences;
        long edge;
        SearchPage revealed;
        double statusBarAlphaOnceDismissed;
    };
    const Case cases[] = {
        { { { "location", "3" }, { "shouldShowStatusBar", "NO" } }, 8, { true, false, false, 0.0 }, 1.0 },
        { { { "location", "3" }, { "shouldShowStatusBar", "NO" } }, 1, { false, true, true, 1.0 }, 1.0 },
        { { { "location", "3" } }, 8, { true, false, false, 1.0 }, 1.0 },
        { { { "location", "4" } }, 8, { false, true, true, 1.0 }, 1.0 },
        { { { "location", "4" }, { "shouldShowStatusBar", "NO" } }, 1, { true, false, false, 0.0 }, 1.0 },
        { { { "location", "1" } }, 8, { false, true, true, 1.0 }, 1.0 },
        { { { "location", "3" }, { "enabled", "NO" } }, 8, { false, true, true, 1.0 }, 1.0 },
    };
    for (auto& test : cases) {
        HostFixture fixture({}, test.preferences);
        fixture.host().openSearchPage(test.edge);
        EXPECT_EQ(searchPage(), test.revealed) << "edge " << test.edge;
        fixture.host().closeSearchPage();
        EXPECT_EQ(searchPage().statusBarAlpha, test.statusBarAlphaOnceDismissed) << "edge " << test.edge;
    }
}

TEST(SearchPageHooks, ADragReadsTheSettingsAgainOnlyBelowATenthInSinglePrecision)
{
    HostFixture fixture({}, { { "location", "4" } });
    fixture.host().openSearchPage(8);
    fixture.host().closeSearchPage();
    fixture.writePreferences({ { "location", "3" }, { "shouldShowStatusBar", "NO" } });

    fixture.host().dragSearchPage(8, 0.10000000149011612);
    EXPECT_EQ(searchPage(), (SearchPage { false, true, true, 1.0 }));

    fixture.host().dragSearchPage(8, 0.1);
    EXPECT_EQ(searchPage(), (SearchPage { true, false, false, 0.0 }));
}
