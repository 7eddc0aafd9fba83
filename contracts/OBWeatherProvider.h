#pragma once

#include "contracts/ClassMessages.h"
#include "contracts/OBDayForecast.h"
#include "contracts/OBHourlyForecast.h"

#include <vector>

class UIImage;

namespace contracts {

// The current weather and the forecast, in whole degrees of the scale asked for.
class OBWeatherProvider {
public:
    static inline const objc::Message<std::shared_ptr<NSObject>(bool)> initUsingCelciusScale {
        "initUsingCelciusScale:"
    };

    virtual ~OBWeatherProvider() = default;
    // False without location permission or without data.
    virtual bool forecastIsAvailable() = 0;
    virtual std::string cityName() = 0;
    virtual std::string conditionName() = 0;
    virtual std::shared_ptr<UIImage> conditionImage() = 0;
    virtual int temperature() = 0;
    virtual int high() = 0;
    virtual int low() = 0;
    virtual std::vector<std::shared_ptr<OBDayForecast>> dayForecasts() = 0;
    virtual std::vector<std::shared_ptr<OBHourlyForecast>> hourlyForecasts() = 0;
};

} // namespace contracts
