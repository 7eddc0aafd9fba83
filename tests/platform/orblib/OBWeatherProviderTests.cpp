#include "contracts/OBWeatherProvider.h"
#include "dispatch/RunLoop.h"
#include "foundation/NSTimeZone.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceWeather.h"
#include "orblib/OrbLib.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"

#include <gtest/gtest.h>

namespace {

// Tuesday 8 December 2015, 12:00 UTC.
constexpr CFAbsoluteTime noon = 471268800;
constexpr double day = 86400;

class OBWeatherProviderTest : public testing::Test {
protected:
    void SetUp() override
    {
        dispatch::RunLoop::main().reset(noon);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName("UTC"));
        orblib::DeviceWeather::setLocationServicesEnabled(true);
        orblib::DeviceWeather::setReport(std::nullopt);
    }

    std::shared_ptr<contracts::OBWeatherProvider> provider(bool celsius)
    {
        return contracts::make<contracts::OBWeatherProvider>(
            providerClass, contracts::OBWeatherProvider::initUsingCelciusScale, celsius);
    }

    objc::ClassRef providerClass { "OBWeatherProvider" };
};

orblib::WeatherReport reportAt(double celsius)
{
    orblib::WeatherReport report;
    report.cityName = "Lyon";
    report.condition = orblib::WeatherCondition::PartlyCloudy;
    report.temperature = celsius;
    report.high = celsius;
    report.low = celsius;
    return report;
}

TEST_F(OBWeatherProviderTest, ForecastIsAvailableOnlyWithLocationPermissionAndAReport)
{
    struct Case {
        bool permission;
        bool report;
        bool available;
    };
    const Case cases[]
        = { { false, false, false }, { true, false, false }, { false, true, false }, { true, true, true } };
    for (auto test : cases) {
        orblib::DeviceWeather::setLocationServicesEnabled(test.permission);
        orblib::DeviceWeather::setReport(test.report ? std::optional(reportAt(20)) : std::nullopt);
        auto weather = provider(true);
        ASSERT_NE(weather, nullptr);
        EXPECT_EQ(weather->forecastIsAvailable(), test.available) << test.permission << test.report;
        EXPECT_EQ(weather->cityName(), test.available ? "Lyon" : "");
        EXPECT_EQ(weather->conditionImage() != nullptr, test.available);
    }
}

TEST_F(OBWeatherProviderTest, DegreesAreRoundedOnceInTheScaleAskedFor)
{
    struct Case {
        double celsius;
        int inCelsius;
        int inFahrenheit;
    };
    const Case cases[] = {
        { 0, 0, 32 },
        { 21.5, 22, 71 },
        { 25.4, 25, 78 },
        { -0.5, -1, 31 },
        { -17.5, -18, 1 },
        { 37.5, 38, 100 },
        { -40, -40, -40 },
    };
    for (auto test : cases) {
        orblib::DeviceWeather::setReport(reportAt(test.celsius));
        for (bool celsius : { true, false }) {
            auto weather = provider(celsius);
            int expected = celsius ? test.inCelsius : test.inFahrenheit;
            EXPECT_EQ(weather->temperature(), expected) << test.celsius << (celsius ? " C" : " F");
            EXPECT_EQ(weather->high(), expected);
            EXPECT_EQ(weather->low(), expected);
        }
    }
}

TEST_F(OBWeatherProviderTest, NamesTheConditionAndDrawsItsPicture)
{
    orblib::DeviceWeather::setReport(reportAt(10));

    auto weather = provider(true);

    EXPECT_EQ(weather->conditionName(), "Partly Cloudy");
    auto image = weather->conditionImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->name(), "Weather/Partly Cloudy");
    EXPECT_EQ(image->size().width, 20);
}

TEST_F(OBWeatherProviderTest, ForecastsNameTodayAndTheWeekdaysAndGiveHoursOnTheTwentyFourHourClock)
{
    auto report = reportAt(10);
    report.days = { { noon, 12.4, 3.6, orblib::WeatherCondition::Rain },
        { noon + day, 15, 5, orblib::WeatherCondition::Sunny },
        { noon + 2 * day, -1, -8.5, orblib::WeatherCondition::Snow } };
    report.hours = { { noon - 3 * 3600, 9.6, orblib::WeatherCondition::Fog },
        { noon + 5 * 3600, 14, orblib::WeatherCondition::Clear } };
    orblib::DeviceWeather::setReport(report);

    auto weather = provider(false);
    auto days = weather->dayForecasts();
    auto hours = weather->hourlyForecasts();

    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0]->dayOfWeek(), "Today");
    EXPECT_EQ(days[1]->dayOfWeek(), "Wednesday");
    EXPECT_EQ(days[2]->dayOfWeek(), "Thursday");
    EXPECT_EQ(days[0]->high(), 54);
    EXPECT_EQ(days[2]->low(), 17);
    ASSERT_EQ(hours.size(), 2u);
    EXPECT_EQ(hours[0]->hour(), "09:00");
    EXPECT_EQ(hours[1]->hour(), "17:00");
    EXPECT_EQ(hours[0]->temperature(), 49);
    auto view = hours[1]->conditionImageView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->image()->name(), "Weather/Clear");
    EXPECT_EQ(hours[1]->conditionImageView(), view);
}

TEST_F(OBWeatherProviderTest, KeepsTheWeatherItWasMadeWith)
{
    orblib::DeviceWeather::setReport(reportAt(10));
    auto weather = provider(true);

    orblib::DeviceWeather::setReport(reportAt(30));
    orblib::DeviceWeather::setLocationServicesEnabled(false);

    EXPECT_TRUE(weather->forecastIsAvailable());
    EXPECT_EQ(weather->temperature(), 10);
}

} // namespace
