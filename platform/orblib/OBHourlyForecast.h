#pragma once

#include "contracts/OBHourlyForecast.h"
#include "objc/NSObject.h"
#include "orblib/WeatherReport.h"
#include "uikit/CGGeometry.h"

namespace orblib {

// One hour of the forecast, in whole degrees of the provider's scale.
class OBHourlyForecast : public NSObject, public contracts::OBHourlyForecast {
    OBJC_CLASS(OBHourlyForecast, NSObject)
public:
    static constexpr CGFloat conditionImageSide = 25;

    OBHourlyForecast(std::string hour, int temperature, WeatherCondition);

    // "HH:mm" on the 24-hour clock ("09:00").
    std::string hour() override { return m_hour; }
    int temperature() override { return m_temperature; }
    // Made on first request, then the same view.
    std::shared_ptr<UIImageView> conditionImageView() override;

private:
    std::string m_hour;
    int m_temperature;
    WeatherCondition m_condition;
    std::shared_ptr<UIImageView> m_conditionImageView;
};

} // namespace orblib
