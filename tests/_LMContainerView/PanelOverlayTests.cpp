// Not yet tested: the order in which the closing operation visits the overlays (nothing outside
// the overlays tells it).
#include "support/host/DeviceScene.h"

#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "_LMContainerView/LMView.h"
#include "contracts/TimerManager.h"
#include "objc/ProcessLocal.h"
#include "orblib/DeviceWeather.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct Overlay {
    const char* name;
    const char* homeButtonSetting;
    std::function<bool()> isActive;
    std::function<void()> show;
};

template <class T> Overlay overlay(const char* name, const char* homeButtonSetting)
{
    return { name, homeButtonSetting, [] { return T::sharedInstance()->isActive(); },
        [] { T::sharedInstance()->show(); } };
}

const Overlay closableOverlays[] = {
    overlay<LMTimeDisplayView>("alarm and timer", "chronelHomeButtonCloseEnabled"),
    overlay<LMWeatherDisplayView>("weather", "forecastHomeButtonCloseEnabled"),
    overlay<LMAmpiroDisplayView>("battery", "ampiroHomeButtonCloseEnabled"),
    overlay<LMSingleEventDisplayView>("event", "kalendoHomeButtonCloseEnabled"),
    overlay<LMSingleNotificationDisplayView>("notification", "missivaHomeButtonCloseEnabled"),
    overlay<LMMusicDisplayView>("music", "melodraHomeButtonCloseEnabled"),
};

// The Clock's countdown timer: it keeps a state, as the real one does, and records the commands
// it gets. It takes the runtime name "TimerManager", so Lumora finds it by that name; installed
// before anything looks that name up, it is the one the process knows.
class RecordingTimerManager : public NSObject, public contracts::TimerManager {
public:
    static Class staticClass()
    {
        static const Class cls = objc::Runtime::defineClass("TimerManager", NSObject::staticClass());
        return cls;
    }
    Class objcClass() const override { return staticClass(); }

    static std::shared_ptr<RecordingTimerManager> install()
    {
        // The process's: it goes when the process ends.
        static objc::ProcessLocal<std::shared_ptr<RecordingTimerManager>> s_shared;
        s_shared = std::make_shared<RecordingTimerManager>();
        staticClass()->addClassMethod(
            contracts::TimerManager::sharedManager.selector(),
            +[](Class, SEL) -> std::shared_ptr<NSObject> { return *s_shared; });
        objc::Runtime::registerClass(staticClass());
        return *s_shared;
    }

    std::string defaultSound() override { return {}; }
    void scheduleAt(double, const std::string&) override { }
    int state() override { return m_state; }
    void setState(int state) { m_state = state; }
    double fireTime() override { return 0; }
    void pause() override { record("pause", 2); }
    void resume() override { record("resume", 3); }
    void cancel() override { record("cancel", 1); }

    std::vector<std::string> commands;

private:
    void record(const char* command, int state)
    {
        commands.push_back(command);
        m_state = state;
    }

    int m_state { 1 };
};

} // namespace

TEST(PanelOverlays, OpenByATapOnTheirAreaWhenTheirSettingAllowsIt)
{
    struct Case {
        const char* area;
        const char* setting;
        const Overlay& overlay;
    };
    const Case cases[] = {
        { "_timeContainerView", "chronelOverlayEnabled", closableOverlays[0] },
        { "_weatherContainerView", "forecastOverlayEnabled", closableOverlays[1] },
        { "_ampiroContainerView", "ampiroOverlayEnabled", closableOverlays[2] },
    };
    orblib::DeviceWeather::setLocationServicesEnabled(true);
    orblib::WeatherReport report;
    report.cityName = "Lisbon";
    orblib::DeviceWeather::setReport(report);
    for (auto& testCase : cases) {
        for (const char* allowed : { "YES", "NO" }) {
            SCOPED_TRACE(testCase.area);
            SCOPED_TRACE(allowed);
            DeviceScene scene({}, { { testCase.setting, allowed } });
            scene.advance(1);
            scene.tap(testCase.area);
            EXPECT_EQ(testCase.overlay.isActive(), std::string(allowed) == "YES");
        }
    }
}

TEST(PanelOverlays, IgnoreTapsOnTheWeatherAreaWithoutAForecast)
{
    orblib::DeviceWeather::setReport(std::nullopt);
    DeviceScene scene;
    scene.advance(1);
    scene.tap("_weatherContainerView");
    EXPECT_FALSE(LMWeatherDisplayView::sharedInstance()->isActive());
}

TEST(PanelOverlays, TheHomeButtonClosesOnlyThoseItsSettingAllowsAndIsKeptFromSpringBoard)
{
    for (auto& overlay : closableOverlays) {
        for (bool allowed : { true, false }) {
            SCOPED_TRACE(overlay.name);
            SCOPED_TRACE(allowed);
            DeviceScene scene({}, { { overlay.homeButtonSetting, allowed ? "YES" : "NO" } });
            scene.advance(1);
            overlay.show();
            ASSERT_TRUE(overlay.isActive());
            scene.host().pressHomeButton();
            scene.advance(1);
            EXPECT_EQ(overlay.isActive(), !allowed);
            // A press that closed an overlay never reaches SpringBoard, which would unlock.
            EXPECT_EQ(scene.host().device().locked, allowed);
        }
    }
}

TEST(PanelOverlays, TheDisplayTurningOffOrABulletinClosesThemAllWhateverTheSettings)
{
    for (bool bulletin : { false, true }) {
        SCOPED_TRACE(bulletin);
        DeviceScene scene;
        scene.advance(1);
        for (auto& overlay : closableOverlays)
            overlay.show();
        if (bulletin)
            scene.host().showFullscreenBulletin();
        else
            scene.host().turnDisplayOff();
        for (auto& overlay : closableOverlays)
            EXPECT_FALSE(overlay.isActive()) << overlay.name;
    }
}

TEST(PanelOverlays, OnTheTodayPageTheHomeButtonClosesAfterSpringBoardHandledIt)
{
    DeviceScene scene({}, { { "location", "2" }, { "forecastHomeButtonCloseEnabled", "YES" } });
    scene.host().openTodayPage();
    scene.advance(1);
    closableOverlays[1].show();
    scene.host().pressHomeButton();
    EXPECT_FALSE(closableOverlays[1].isActive());
}

// The alarm overlay tells the panel the timer's state once a second.
TEST(PanelAlarmTimerLine, PausesResumesAndCancelsTheTimerWhenAllowed)
{
    struct Case {
        const char* gesture;
        int timerState;
        Preferences preferences;
        const char* command;
    };
    const Case cases[] = {
        { "tap", 3, {}, "pause" },
        { "tap", 2, {}, "resume" },
        { "tap", 1, {}, nullptr },
        { "tap", 3, { { "chronelPauseResumeTimerEnabled", "NO" } }, nullptr },
        { "long press", 3, {}, "cancel" },
        { "long press", 2, {}, "cancel" },
        { "long press", 1, {}, nullptr },
        { "long press", 3, { { "chronelCancelTimerEnabled", "NO" } }, nullptr },
    };
    DeviceScene scene;
    auto timer = RecordingTimerManager::install();
    timer->setState(3);
    scene.advance(0.5);
    scene.tap("_alarmTimerLabel");
    EXPECT_EQ(timer->commands, std::vector<std::string> { "pause" }) << "a state not yet known pauses";

    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.gesture);
        SCOPED_TRACE(testCase.timerState);
        timer->setState(testCase.timerState);
        scene.advance(1);
        scene.setPreferences(testCase.preferences);
        timer->commands.clear();
        if (std::string(testCase.gesture) == "tap")
            scene.tap("_alarmTimerLabel");
        else
            scene.longPress("_alarmTimerLabel");
        // The long press acts on each callback its recogniser makes while the panel still
        // believes a timer runs: the command may come more than once.
        if (testCase.command)
            EXPECT_THAT(timer->commands,
                testing::AllOf(testing::Not(testing::IsEmpty()), testing::Each(testCase.command)));
        else
            EXPECT_THAT(timer->commands, testing::IsEmpty());
    }
}
