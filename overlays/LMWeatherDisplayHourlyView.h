#pragma once

#include "uikit/UIView.h"

#include <memory>
#include <string>

class UIColor;
class UIImageView;
class UILabel;
namespace contracts {
class OBHourlyForecast;
}

// One cell of the weather overlay's hourly strip: the hour, the condition and the temperature.
class LMWeatherDisplayHourlyView : public UIView {
    OBJC_CLASS(LMWeatherDisplayHourlyView, UIView)
public:
    // Sized from the overlay's frame.
    static std::shared_ptr<LMWeatherDisplayHourlyView> initWithHourlyForecast(
        std::shared_ptr<contracts::OBHourlyForecast> forecast, bool militaryTime, CGRect frame);

    // The hour as the cell shows it: the forecast's two digits in 24-hour mode, else "12am",
    // "9am", "12pm", "5pm"; nothing when the digits are no hour of the day.
    static std::string hourText(const std::string& hour, bool militaryTime);

    const std::shared_ptr<contracts::OBHourlyForecast>& hourlyForecast() const { return m_hourlyForecast; }
    void setHourlyForecast(std::shared_ptr<contracts::OBHourlyForecast> forecast)
    {
        m_hourlyForecast = std::move(forecast);
    }

private:
    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<UILabel> m_hourLabel;
    std::shared_ptr<UIImageView> m_conditionImageView;
    std::shared_ptr<UILabel> m_temperatureLabel;
    std::shared_ptr<contracts::OBHourlyForecast> m_hourlyForecast;
};
