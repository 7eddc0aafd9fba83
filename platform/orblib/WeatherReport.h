#pragma once

#include "dispatch/RunLoop.h"

#include <string>
#include <string_view>
#include <vector>

namespace orblib {

enum class WeatherCondition { Sunny, Clear, PartlyCloudy, Cloudy, Rain, Thunderstorms, Snow, Fog, Windy };

// The name the weather shows for a condition ("Partly Cloudy").
std::string_view conditionName(WeatherCondition);

// Temperatures are in degrees Celsius as the weather service reports them, fractions included;
// the provider rounds them once, in the scale it is asked for.
struct HourlyWeather {
    CFAbsoluteTime time;
    double temperature;
    WeatherCondition condition;
};

struct DailyWeather {
    // Any moment of the day.
    CFAbsoluteTime day;
    double high;
    double low;
    WeatherCondition condition;
};

// What the device's weather service last fetched for where the device is.
struct WeatherReport {
    std::string cityName;
    WeatherCondition condition { WeatherCondition::Sunny };
    double temperature { 0 };
    double high { 0 };
    double low { 0 };
    std::vector<DailyWeather> days;
    std::vector<HourlyWeather> hours;
};

} // namespace orblib
