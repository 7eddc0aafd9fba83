#pragma once

#include "contracts/OBDayForecast.h"
#include "objc/NSObject.h"
#include "orblib/WeatherReport.h"
#include "uikit/CGGeometry.h"

namespace orblib {

// One day of the forecast, in whole degrees of the provider's scale.
class OBDayForecast : public NSObject, public contracts::OBDayForecast {
    OBJC_CLASS(OBDayForecast, NSObject)
public:
    static constexpr CGFloat conditionImageSide = 20;

    OBDayForecast(std::string dayOfWeek, int high, int low, WeatherCondition);

    std::string dayOfWeek() override { return m_dayOfWeek; }
    int high() override { return m_high; }
    int low() override { return m_low; }
    // Made on first request, then the same view.
    std::shared_ptr<UIImageView> conditionImageView() override;

private:
    std::string m_dayOfWeek;
    int m_high;
    int m_low;
    WeatherCondition m_condition;
    std::shared_ptr<UIImageView> m_conditionImageView;
};

} // namespace orblib
