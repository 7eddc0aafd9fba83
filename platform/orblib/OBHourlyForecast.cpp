#include "orblib/OBHourlyForecast.h"

#include "orblib/WeatherIcon.h"
#include "uikit/UIImageView.h"

namespace orblib {

OBHourlyForecast::OBHourlyForecast(std::string hour, int temperature, WeatherCondition condition)
    : m_hour(std::move(hour))
    , m_temperature(temperature)
    , m_condition(condition)
{ }

std::shared_ptr<UIImageView> OBHourlyForecast::conditionImageView()
{
    if (!m_conditionImageView)
        m_conditionImageView = UIImageView::initWithImage(weatherIcon(m_condition, conditionImageSide));
    return m_conditionImageView;
}

} // namespace orblib
