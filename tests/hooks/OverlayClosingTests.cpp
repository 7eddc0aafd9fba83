// Not yet tested: full-screen bulletins closing the overlays (the panel file's replacements).
#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "contracts/SBBacklightController.h"
#include "objc/Substrate.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBUIController.h"
#include "support/host/HostFixture.h"
#include "support/host/IdleCountdownRecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

struct Overlay {
    std::string name;
    const char* homeButtonKey;
    std::function<void()> show;
    std::function<bool()> isActive;
};

template <class T> Overlay overlay(std::string name, const char* homeButtonKey)
{
    return { std::move(name), homeButtonKey, [] { T::sharedInstance()->show(); },
        [] { return T::sharedInstance()->isActive(); } };
}

const Overlay overlays[] = {
    overlay<LMTimeDisplayView>("time", "chronelHomeButtonCloseEnabled"),
    overlay<LMWeatherDisplayView>("weather", "forecastHomeButtonCloseEnabled"),
    overlay<LMAmpiroDisplayView>("battery", "ampiroHomeButtonCloseEnabled"),
    overlay<LMSingleEventDisplayView>("event", "kalendoHomeButtonCloseEnabled"),
    overlay<LMSingleNotificationDisplayView>("notification", "missivaHomeButtonCloseEnabled"),
    overlay<LMClearAllNotificationsDisplayView>("clear all", nullptr),
    overlay<LMMusicDisplayView>("music", "melodraHomeButtonCloseEnabled"),
};

// Longer than any show or hide animation.
constexpr double settle = 1;

void open(const std::set<std::string>& names)
{
    for (auto& overlay : overlays) {
        if (names.contains(overlay.name))
            overlay.show();
    }
    dispatch::RunLoop::main().advance(settle);
}

std::set<std::string> openOverlays()
{
    std::set<std::string> names;
    for (auto& overlay : overlays) {
        if (overlay.isActive())
            names.insert(overlay.name);
    }
    return names;
}

// Every home-button setting NO, then the ones given YES.
Preferences withHomeButtonClosing(const std::set<std::string>& closing, Preferences preferences = {})
{
    for (auto& overlay : overlays) {
        if (overlay.homeButtonKey)
            preferences[overlay.homeButtonKey] = closing.contains(overlay.name) ? "YES" : "NO";
    }
    return preferences;
}

std::set<std::string> allOverlays()
{
    std::set<std::string> names;
    for (auto& overlay : overlays)
        names.insert(overlay.name);
    return names;
}

} // namespace

TEST(OverlayClosing, TheDisplayTurningOffClosesEveryOverlayButTheClearAllOneWhateverTheHomeButtonSettings)
{
    struct Case {
        Preferences preferences;
        std::set<std::string> stillOpen;
    };
    const Case cases[] = {
        { withHomeButtonClosing({}, { { "location", "1" } }), { "clear all" } },
        { withHomeButtonClosing({}, { { "location", "2" } }), { "clear all" } },
        { withHomeButtonClosing({}, { { "enabled", "NO" } }), allOverlays() },
    };
    for (auto& test : cases) {
        HostFixture fixture({}, test.preferences);
        open(allOverlays());
        fixture.host().turnDisplayOff();
        dispatch::RunLoop::main().advance(settle);
        EXPECT_EQ(openOverlays(), test.stillOpen);
    }
}

TEST(OverlayClosing, AHomeButtonPressOnTheLockScreenClosesTheAllowedOverlaysAndGoesNoFurtherWhenItClosedOne)
{
    struct Case {
        std::set<std::string> opened;
        std::set<std::string> homeButtonCloses;
        std::set<std::string> stillOpen;
        bool stillLocked;
    };
    const Case cases[] = {
        { { "weather" }, { "weather" }, {}, true },
        { { "weather" }, {}, { "weather" }, false },
        { { "weather", "battery" }, { "weather" }, { "battery" }, true },
        { { "clear all" }, {}, { "clear all" }, false },
        { allOverlays(), allOverlays(), { "clear all" }, true },
        { {}, allOverlays(), {}, false },
    };
    for (auto& test : cases) {
        HostFixture fixture({}, withHomeButtonClosing(test.homeButtonCloses));
        open(test.opened);
        fixture.host().pressHomeButton();
        dispatch::RunLoop::main().advance(settle);
        EXPECT_EQ(openOverlays(), test.stillOpen);
        EXPECT_EQ(fixture.host().device().locked, test.stillLocked);
    }
}

TEST(OverlayClosing, OnTheTodayPageSpringBoardHandlesTheHomeButtonFirstAndThenTheOverlayCloses)
{
    struct Case {
        std::set<std::string> opened;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        { { "weather" },
            { "press", "idle countdown restarted: Today page open, weather open",
                "idle countdown restarted: Today page closed, weather open", "click answered NO" } },
        { {},
            { "press", "idle countdown restarted: Today page open, weather closed", "click answered YES" } },
    };
    for (auto& test : cases) {
        HostFixture fixture({}, withHomeButtonClosing(allOverlays(), { { "location", "2" } }));
        auto host = springboard::SBUIController::sharedInstance();
        fixture.host().openTodayPage();
        open(test.opened);
        recordIdleCountdownRestarts([] {
            bool todayOpen = springboard::SBNotificationCenterController::sharedInstance()->isVisible();
            bool weatherOpen = LMWeatherDisplayView::sharedInstance()->isActive();
            return std::string(todayOpen ? "Today page open" : "Today page closed")
                + (weatherOpen ? ", weather open" : ", weather closed");
        });

        recordedEvents().push_back("press");
        springboard::SBLockScreenManager::sharedInstance()->noteMenuButtonDown();
        recordedEvents().push_back(
            std::string("click answered ") + (host->clickedMenuButton() ? "YES" : "NO"));

        EXPECT_EQ(recordedEvents(), test.events);
        EXPECT_TRUE(openOverlays().empty());
        EXPECT_TRUE(fixture.host().device().locked);
    }
}
