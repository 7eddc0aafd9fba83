#pragma once

#include "contracts/OBWeatherProvider.h"
#include "objc/NSObject.h"
#include "orblib/WeatherReport.h"
#include "uikit/CGGeometry.h"

#include <memory>

namespace orblib {

// The device's weather (DeviceWeather) as it was when the provider was made, in whole degrees
// of the scale asked for: each reported temperature is converted, then rounded once to the
// nearest degree, halves away from zero. Without location permission or without a report the
// forecast is unavailable: empty names, no image, zero degrees and no forecasts.
class OBWeatherProvider : public NSObject, public contracts::OBWeatherProvider {
    OBJC_CLASS(OBWeatherProvider, NSObject)
public:
    static constexpr CGFloat conditionImageSide = 20;

    // `report` nothing: unavailable.
    OBWeatherProvider(bool celsius, std::shared_ptr<const WeatherReport> report);
    static std::shared_ptr<OBWeatherProvider> initUsingCelciusScale(bool celsius);

    bool forecastIsAvailable() override { return m_report != nullptr; }
    std::string cityName() override;
    std::string conditionName() override;
    std::shared_ptr<UIImage> conditionImage() override;
    int temperature() override;
    int high() override;
    int low() override;
    // "Today" for the current day, else the weekday's name in the device's locale.
    std::vector<std::shared_ptr<contracts::OBDayForecast>> dayForecasts() override;
    std::vector<std::shared_ptr<contracts::OBHourlyForecast>> hourlyForecasts() override;

    // Makes the class, with its class-side initUsingCelciusScale:, findable by name, and the
    // forecast classes with it.
    static void registerClass();

private:
    int degrees(double celsius) const;

    bool m_celsius;
    std::shared_ptr<const WeatherReport> m_report;
};

} // namespace orblib
