// Not yet tested: the alarm/timer line as the alarm overlay feeds it (its issue); until then the
// tests set the panel's alarm and timer properties themselves.
#include "support/host/DeviceScene.h"

#include "_LMContainerView/LMView.h"
#include "objc/Format.h"
#include "orblib/DeviceWeather.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

namespace {

const CFAbsoluteTime morning = 471171930; // Monday 7 December 2015, 09:05:30 UTC

std::string batteryIcon(const DeviceScene& scene)
{
    auto image = scene.view<UIImageView>("_currentBatteryStateImageView")->image();
    return image ? image->name() : "none";
}

// Every run of the label's text in the font.
void expectFont(const DeviceScene& scene, std::string_view field, CGFloat size)
{
    for (auto& run : scene.view<UILabel>(field)->attributedText()->runs()) {
        SCOPED_TRACE(run.text);
        ASSERT_TRUE(run.attributes.font);
        EXPECT_EQ(run.attributes.font->fontName(), "HelveticaNeue-Light");
        EXPECT_EQ(run.attributes.font->pointSize(), size);
    }
}

orblib::WeatherReport cloudyReport()
{
    orblib::WeatherReport report;
    report.cityName = "Lisbon";
    report.condition = orblib::WeatherCondition::PartlyCloudy;
    report.temperature = 22.2;
    report.high = 24;
    report.low = 12;
    return report;
}

// The device's weather outlives a host; each test sets its own.
void setWeather(std::optional<orblib::WeatherReport> report, bool locationServices = true)
{
    orblib::DeviceWeather::setLocationServicesEnabled(locationServices);
    orblib::DeviceWeather::setReport(std::move(report));
}

// The colour of the first pixel that is drawn at all, as "#rrggbb".
std::string drawnColour(const UIImage& image)
{
    const auto& rgba = image.bitmap().rgba;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        if (rgba[i + 3])
            return objc::format("#%02x%02x%02x", rgba[i], rgba[i + 1], rgba[i + 2]);
    }
    return "nothing drawn";
}

const char* const weatherErrorMessage
    = "Enable location services for weather then open the weather app. Make "
      "sure you have an internet connection.";

} // namespace

TEST(PanelBattery, ShowsTheTruncatedPercentageAndTheIconOfItsStartedTen)
{
    struct Case {
        float level;
        bool charging;
        bool lowPower;
        const char* text;
        const char* icon;
    };
    const Case cases[] = {
        { 0.0f, false, false, "0%", "Battery/Battery0" },
        { 0.05f, false, false, "5%", "Battery/Battery10" },
        { 0.10f, false, false, "10%", "Battery/Battery10" },
        { 0.105f, false, false, "10%", "Battery/Battery10" },
        { 0.11f, false, false, "11%", "Battery/Battery20" },
        { 0.5f, false, false, "50%", "Battery/Battery50" },
        { 1.0f, false, false, "100%", "Battery/Battery100" },
        { 0.05f, true, false, "5%", "Battery/BatteryCharging" },
        { 1.0f, true, false, "100%", "Battery/BatteryCharging" },
        { 0.42f, false, true, "42%", "Battery/LowBattery50" },
        { 0.42f, true, true, "42%", "Battery/LowBatteryCharging" },
    };
    DeviceScene scene;
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        SCOPED_TRACE(testCase.icon);
        scene.host().setBattery(testCase.level);
        scene.host().setCharging(testCase.charging);
        scene.host().setLowPowerMode(testCase.lowPower);
        scene.advance(1);
        EXPECT_EQ(scene.text("_batteryPercentLabel"), testCase.text);
        EXPECT_EQ(batteryIcon(scene), testCase.icon);
    }
}

TEST(PanelBattery, UsesTheLowPowerIconsOnlyOnNineX)
{
    springboard::Device device;
    device.systemVersion = "10.1";
    device.battery = { 0.42f, false, true };
    DeviceScene scene(device);
    scene.advance(1);
    EXPECT_EQ(batteryIcon(scene), "Battery/Battery50");
}

TEST(PanelClock, FormsTheTimeByTheHourModeAndTheSecondsSwitch)
{
    struct Case {
        CFAbsoluteTime now;
        const char* militaryTime;
        const char* secondsEnabled;
        const char* time;
        const char* date;
    };
    const CFAbsoluteTime afterMidnight = 472176900; // Saturday 19 December 2015, 00:15:00
    const CFAbsoluteTime noonOnTheFirst = 473342400; // Friday 1 January 2016, 12:00:00
    const Case cases[] = {
        { morning, "YES", "NO", "09:05", "Monday, December 7" },
        { morning, "YES", "YES", "09:05:30", "Monday, December 7" },
        { morning, "NO", "NO", "9:05", "Monday, December 7" },
        { morning, "NO", "YES", "9:05:30", "Monday, December 7" },
        { afterMidnight, "NO", "NO", "12:15", "Saturday, December 19" },
        { afterMidnight, "YES", "NO", "00:15", "Saturday, December 19" },
        { noonOnTheFirst, "NO", "NO", "12:00", "Friday, January 1" },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.time);
        springboard::Device device;
        device.startTime = testCase.now;
        DeviceScene scene(device,
            { { "militaryTime", testCase.militaryTime }, { "secondsEnabled", testCase.secondsEnabled } });
        EXPECT_EQ(scene.text("_timeDateLabel"), std::string(testCase.time) + "\n" + testCase.date);
        auto& runs = scene.view<UILabel>("_timeDateLabel")->attributedText()->runs();
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[0].text, std::string(testCase.time) + "\n");
        EXPECT_EQ(runs[0].attributes.font->pointSize(), 45);
        EXPECT_EQ(runs[1].attributes.font->pointSize(), 16);
    }
}

TEST(PanelClock, TicksOverEachSecond)
{
    springboard::Device device;
    device.startTime = morning;
    DeviceScene scene(device, { { "secondsEnabled", "YES" } });
    scene.advance(1);
    EXPECT_EQ(scene.text("_timeDateLabel"), "9:05:31\nMonday, December 7");
    scene.advance(30);
    EXPECT_EQ(scene.text("_timeDateLabel"), "9:06:01\nMonday, December 7");
}

TEST(PanelAlarmTimerLine, NamesTheAlarmAndTheTimerWithTheirIcons)
{
    struct Case {
        bool alarm;
        LMTimerState timerState;
        std::optional<std::string> remaining;
        const char* line;
    };
    const Case cases[] = {
        { true, LMTimerState::running, "04:59", "[Alarm] 06:45 AM | [Timer] 04:59" },
        { false, LMTimerState::running, "04:59", "[Timer] 04:59" },
        { false, LMTimerState::paused, "Timer Paused", "[Timer] Timer Paused" },
        { true, LMTimerState::none, std::nullopt, "[Alarm] 06:45 AM" },
        { false, LMTimerState::none, std::nullopt, "" },
        { false, LMTimerState::unknown, std::nullopt, "" },
    };
    DeviceScene scene;
    auto& panel = scene.panel();
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.line);
        panel.setIsAnAlarmActive(testCase.alarm);
        panel.setNextAlarmFireTime(testCase.alarm ? "06:45 AM" : "");
        panel.setTimerState(testCase.timerState);
        panel.setTimerTimeRemaining(testCase.remaining);
        panel.updateAlarmTimerLabel();
        EXPECT_EQ(scene.describedText("_alarmTimerLabel"), testCase.line);
        expectFont(scene, "_alarmTimerLabel", 15);
    }
}

TEST(PanelAlarmTimerLine, ShowsOnlyOnNineXWithTheSwitchOn)
{
    struct Case {
        const char* systemVersion;
        const char* showAlarmTimer;
        bool hidden;
    };
    const Case cases[] = {
        { "9.3", "YES", false },
        { "9.3", "NO", true },
        { "10.1", "YES", true },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.systemVersion);
        SCOPED_TRACE(testCase.showAlarmTimer);
        springboard::Device device;
        device.systemVersion = testCase.systemVersion;
        DeviceScene scene(device, { { "showAlarmTimer", testCase.showAlarmTimer } });
        scene.advance(1);
        EXPECT_EQ(scene.view("_alarmTimerLabel")->isHidden(), testCase.hidden);
    }
}

TEST(PanelWeather, ShowsTheForecastInTheChosenScale)
{
    struct Case {
        const char* scale;
        const char* highLow;
        const char* temperature;
    };
    const Case cases[] = {
        { "1", "high 75 | low 54", "72°F\n" },
        { "2", "high 24 | low 12", "22°C\n" },
        { "3", "high 75 | low 54", "" },
    };
    setWeather(cloudyReport());
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.scale);
        DeviceScene scene({}, { { "temperatureScale", testCase.scale } });
        EXPECT_EQ(scene.describedText("_weatherIconAndConditionNameLabel"),
            "[Weather/Partly Cloudy] Partly Cloudy");
        EXPECT_EQ(scene.text("_highLowLabel"), testCase.highLow);
        EXPECT_EQ(scene.text("_temperatureLabel"), testCase.temperature);
        EXPECT_EQ(scene.text("_weatherErrorLabel"), "");
        EXPECT_TRUE(scene.view("_weatherContainerView")->isUserInteractionEnabled());
    }
}

TEST(PanelWeather, WithoutAForecastExplainsWhyOrKeepsWhatItShowed)
{
    struct Case {
        const char* errorMessageEnabled;
        const char* error;
    };
    const Case cases[] = {
        { "YES", weatherErrorMessage },
        { "NO", "" },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.errorMessageEnabled);
        setWeather(cloudyReport());
        DeviceScene scene({},
            { { "forecastErrorMessageEnabled", testCase.errorMessageEnabled },
                { "weatherUpdateRate", "60" } });
        setWeather(cloudyReport(), false);
        scene.advance(60);
        EXPECT_EQ(scene.text("_weatherErrorLabel"), testCase.error);
        EXPECT_FALSE(scene.view("_weatherContainerView")->isUserInteractionEnabled());
        EXPECT_EQ(scene.text("_highLowLabel"), "high 75 | low 54");
    }
}

// The panel's update five seconds after it is built refreshes the weather too; the timer's own
// ticks come after that.
TEST(PanelWeather, RefreshesAtTheConfiguredRate)
{
    struct Case {
        const char* rate;
        double quiet;
        double refreshed;
    };
    const Case cases[] = {
        { "120", 119, 120 },
        // The run loop would raise these to its floor of a tenth of a millisecond, making a
        // weather provider ten thousand times a second: they take the default instead.
        { "0", 1799, 1800 },
        { "-5", 1799, 1800 },
        { "abc", 1799, 1800 },
        // Under a second is raised to one.
        { "0.25", 6.9, 7 },
    };
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.rate);
        setWeather(cloudyReport());
        DeviceScene scene({}, { { "weatherUpdateRate", testCase.rate } });
        scene.advance(6);
        auto warmer = cloudyReport();
        warmer.high = 30;
        setWeather(warmer);
        scene.advance(testCase.quiet - 6);
        EXPECT_EQ(scene.text("_highLowLabel"), "high 75 | low 54");
        scene.advance(testCase.refreshed - testCase.quiet);
        EXPECT_EQ(scene.text("_highLowLabel"), "high 86 | low 54");
    }
}

TEST(PanelColours, PaintEachAreaInItsColourFromTheNextUpdateOn)
{
    struct Area {
        const char* field;
        const char* colourKey;
    };
    const Area areas[] = {
        { "_timeDateLabel", "timeColor" },
        { "_alarmTimerLabel", "alarmTimerColor" },
        { "_weatherIconAndConditionNameLabel", "weatherColor" },
        { "_highLowLabel", "weatherColor" },
        { "_temperatureLabel", "weatherColor" },
        { "_weatherErrorLabel", "weatherColor" },
        { "_batteryPercentLabel", "ampiroThemeColor" },
    };
    auto colours = [&](const char* hex) {
        Preferences preferences;
        for (auto& area : areas)
            preferences[area.colourKey] = hex;
        return preferences;
    };
    DeviceScene scene({}, colours("#ff0000"));
    auto expectColour = [&](const char* rgba) {
        for (auto& area : areas)
            EXPECT_EQ(scene.view<UILabel>(area.field)->textColor()->hexString(), rgba) << area.field;
        // The icons inside the alarm line take the line's colour.
        for (const char* icon : { "_alarmImage", "_timerImage" }) {
            auto image = objc_getIvarNamed<std::shared_ptr<UIImage>>(&scene.panel(), icon);
            ASSERT_TRUE(image) << icon;
            EXPECT_EQ(drawnColour(*image), std::string(rgba).substr(0, 7)) << icon;
        }
    };
    expectColour("#ff0000ff");

    scene.setPreferences(colours("#00ff00"));
    scene.advance(1);
    expectColour("#ff0000ff");
    scene.advance(4);
    expectColour("#00ff00ff");
}
