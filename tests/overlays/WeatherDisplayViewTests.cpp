// Not yet tested: a provider without a forecast.
#include "overlays/LMWeatherDisplayView.h"

#include "orblib/DeviceWeather.h"
#include "overlays/LMWeatherDisplayDayView.h"
#include "overlays/LMWeatherDisplayHourlyView.h"
#include "platform/render/PictureCheck.h"
#include "support/host/DeviceScene.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/UILabel.h"
#include "uikit/UIScrollView.h"

#include <gtest/gtest.h>

namespace {

using orblib::WeatherCondition;

// Midnight at the start of the device's first day (Monday 7 December 2015, UTC).
constexpr CFAbsoluteTime midnight = 471139200;
constexpr double day = 86400;

// Lisbon at 7 °C, twelve hours from midnight on, today and two more days.
void giveTheDeviceWeather()
{
    orblib::WeatherReport report;
    report.cityName = "Lisbon";
    report.condition = WeatherCondition::PartlyCloudy;
    report.temperature = 7;
    report.high = 12;
    report.low = 3;
    for (int hour : { 0, 9, 12, 17, 18, 19, 20, 21, 22, 23, 1, 2 })
        report.hours.push_back({ midnight + hour * 3600, 7.0 + hour % 5, WeatherCondition::Cloudy });
    report.days = { { midnight + 3600, 12, 3, WeatherCondition::PartlyCloudy },
        { midnight + day, 14, 5, WeatherCondition::Rain },
        { midnight + 2 * day, 9, -1, WeatherCondition::Sunny } };
    orblib::DeviceWeather::setLocationServicesEnabled(true);
    orblib::DeviceWeather::setReport(report);
}

struct Content {
    std::vector<std::shared_ptr<LMWeatherDisplayHourlyView>> cells;
    std::vector<std::shared_ptr<LMWeatherDisplayDayView>> rows;
    std::vector<std::shared_ptr<UIScrollView>> strips;
};

Content contentOf(const LMWeatherDisplayView& overlay)
{
    Content content;
    for (auto& view : DeviceScene::view(overlay, "containerView")->subviews()) {
        if (auto row = std::dynamic_pointer_cast<LMWeatherDisplayDayView>(view))
            content.rows.push_back(row);
        if (auto strip = std::dynamic_pointer_cast<UIScrollView>(view)) {
            content.strips.push_back(strip);
            for (auto& cell : strip->subviews()) {
                if (auto hourly = std::dynamic_pointer_cast<LMWeatherDisplayHourlyView>(cell))
                    content.cells.push_back(hourly);
            }
        }
    }
    return content;
}

std::string text(const UIView& root, std::string_view field)
{
    return std::dynamic_pointer_cast<UILabel>(DeviceScene::view(root, field))->text();
}

} // namespace

TEST(WeatherDisplayView, ShowsTheForecastWithTwelveHourlyCellsAndARowPerComingDay)
{
    giveTheDeviceWeather();
    DeviceScene scene({}, { { "temperatureScale", "2" } });
    auto overlay = LMWeatherDisplayView::sharedInstance();
    scene.advance(1);
    scene.tap("_weatherContainerView");
    ASSERT_TRUE(overlay->isActive());

    EXPECT_EQ(text(*overlay, "locationLabel"), "Lisbon");
    EXPECT_EQ(text(*overlay, "conditionNameLabel"), "Partly Cloudy");
    EXPECT_EQ(text(*overlay, "todayTemperatureLabel"), "7°");
    EXPECT_EQ(text(*overlay, "todayLabel"), "Today");
    EXPECT_EQ(text(*overlay, "todayHighLowLabel"), "H12 L3");

    auto content = contentOf(*overlay);
    ASSERT_EQ(content.strips.size(), 1u);
    EXPECT_EQ(content.strips[0]->contentSize().width, 660);
    ASSERT_EQ(content.cells.size(), 12u);
    std::vector<CGFloat> centres;
    std::vector<std::string> hours;
    for (auto& cell : content.cells) {
        centres.push_back(cell->center().x);
        hours.push_back(text(*cell, "hourLabel"));
    }
    EXPECT_EQ(centres, (std::vector<CGFloat> { 20, 75, 130, 185, 240, 295, 350, 405, 460, 515, 570, 625 }));
    EXPECT_EQ(hours,
        (std::vector<std::string> {
            "12am", "9am", "12pm", "5pm", "6pm", "7pm", "8pm", "9pm", "10pm", "11pm", "1am", "2am" }));
    EXPECT_EQ(text(*content.cells[1], "temperatureLabel"), "11");

    std::vector<std::string> days;
    for (auto& row : content.rows)
        days.push_back(text(*row, "dayOfWeekLabel") + " " + text(*row, "highLowLabel"));
    EXPECT_EQ(days, (std::vector<std::string> { "Tuesday H14 L5", "Wednesday H9 L-1" }));
    EXPECT_TRUE(screenMatchesReference("weather-display-portrait", "tests/overlays/reference"));
}

TEST(WeatherDisplayView, OpeningAgainRebuildsOneSetOfRowsInTheScaleAndHourModeSetMeanwhile)
{
    giveTheDeviceWeather();
    DeviceScene scene;
    auto overlay = LMWeatherDisplayView::sharedInstance();
    scene.advance(1);
    scene.tap("_weatherContainerView");
    EXPECT_EQ(text(*overlay, "todayTemperatureLabel"), "45°");
    overlay->hide();

    scene.setPreferences({ { "forecastMilitaryTime", "YES" } });
    scene.tap("_weatherContainerView");
    auto content = contentOf(*overlay);
    EXPECT_EQ(content.strips.size(), 1u);
    EXPECT_EQ(content.rows.size(), 2u);
    ASSERT_EQ(content.cells.size(), 12u);
    std::vector<std::string> hours;
    for (int i : { 0, 1, 2, 3 })
        hours.push_back(text(*content.cells[static_cast<size_t>(i)], "hourLabel"));
    EXPECT_EQ(hours, (std::vector<std::string> { "00", "09", "12", "17" }));
}

TEST(WeatherDisplayView, HourlyCellsShowNothingForDigitsThatAreNoHour)
{
    const std::vector<std::tuple<std::string, bool, std::string>> cases { { "00:00", false, "12am" },
        { "09:00", false, "9am" }, { "12:00", false, "12pm" }, { "17:00", false, "5pm" },
        { "24:00", false, "" }, { "ab", false, "" }, { "", false, "" }, { "7", false, "7am" },
        { "17:00", true, "17" } };
    for (auto& [hour, militaryTime, shown] : cases)
        EXPECT_EQ(LMWeatherDisplayHourlyView::hourText(hour, militaryTime), shown) << hour;
}

TEST(WeatherDisplayView, LaysOutAsExpectedUprightAndOnItsSide)
{
    for (auto [orientation, name] :
        { std::pair { 1, "weather-display-portrait" }, { 3, "weather-display-landscape" } }) {
        giveTheDeviceWeather();
        DeviceScene scene({}, { { "temperatureScale", "2" } });
        scene.host().setOrientation(orientation);
        scene.advance(1);
        scene.tap("_weatherContainerView");
        auto overlay = LMWeatherDisplayView::sharedInstance();
        ASSERT_TRUE(overlay->isActive());
        scene.advance(1);
        EXPECT_TRUE(matchesExpectedLayout(*overlay, name, "tests/overlays"));
    }
}
