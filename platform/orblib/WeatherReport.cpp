#include "orblib/WeatherReport.h"

namespace orblib {

std::string_view conditionName(WeatherCondition condition)
{
    switch (condition) {
    case WeatherCondition::Sunny:
        return "Sunny";
    case WeatherCondition::Clear:
        return "Clear";
    case WeatherCondition::PartlyCloudy:
        return "Partly Cloudy";
    case WeatherCondition::Cloudy:
        return "Cloudy";
    case WeatherCondition::Rain:
        return "Rain";
    case WeatherCondition::Thunderstorms:
        return "Thunderstorms";
    case WeatherCondition::Snow:
        return "Snow";
    case WeatherCondition::Fog:
        return "Fog";
    case WeatherCondition::Windy:
        return "Windy";
    }
    return {};
}

} // namespace orblib
