#pragma once

#include "uikit/UIView.h"

#include <memory>

class UIColor;
class UIImageView;
class UILabel;
namespace contracts {
class OBDayForecast;
}

// One daily row of the weather overlay: the day's name, the condition and the high and low.
class LMWeatherDisplayDayView : public UIView {
    OBJC_CLASS(LMWeatherDisplayDayView, UIView)
public:
    // Sized from the overlay's frame.
    static std::shared_ptr<LMWeatherDisplayDayView> initWithDayForecast(
        std::shared_ptr<contracts::OBDayForecast> forecast, CGRect frame);

    const std::shared_ptr<contracts::OBDayForecast>& dayForecast() const { return m_dayForecast; }
    void setDayForecast(std::shared_ptr<contracts::OBDayForecast> forecast)
    {
        m_dayForecast = std::move(forecast);
    }

private:
    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<UILabel> m_dayOfWeekLabel;
    std::shared_ptr<UIImageView> m_conditionImageView;
    std::shared_ptr<UILabel> m_highLowLabel;
    std::shared_ptr<contracts::OBDayForecast> m_dayForecast;
};
