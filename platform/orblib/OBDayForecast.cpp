#include "orblib/OBDayForecast.h"

#include "orblib/WeatherIcon.h"
#include "uikit/UIImageView.h"

namespace orblib {

OBDayForecast::OBDayForecast(std::string dayOfWeek, int high, int low, WeatherCondition condition)
    : m_dayOfWeek(std::move(dayOfWeek))
    , m_high(high)
    , m_low(low)
    , m_condition(condition)
{ }

std::shared_ptr<UIImageView> OBDayForecast::conditionImageView()
{
    if (!m_conditionImageView)
        m_conditionImageView = UIImageView::initWithImage(weatherIcon(m_condition, conditionImageSide));
    return m_conditionImageView;
}

} // namespace orblib
