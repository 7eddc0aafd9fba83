#include "overlays/LMWeatherDisplayHourlyView.h"

#include "contracts/OBHourlyForecast.h"
#include "objc/Format.h"
#include "overlays/LMHourText.h"
#include "overlays/LMWeatherText.h"
#include "settings/LMSettings.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <charconv>

std::shared_ptr<LMWeatherDisplayHourlyView> LMWeatherDisplayHourlyView::initWithHourlyForecast(
    std::shared_ptr<contracts::OBHourlyForecast> forecast, bool militaryTime, CGRect frame)
{
    auto cell = std::make_shared<LMWeatherDisplayHourlyView>();
    CGFloat lineHeight = frame.size.height * 0.027;
    cell->m_hourlyForecast = std::move(forecast);
    cell->setFrame(CGRectMake(0, 0, 50, frame.size.height * 0.109));
    cell->setBackgroundColor(UIColor::clearColor());
    cell->setUserInteractionEnabled(false);
    cell->m_themeColor = LMSettings::sharedInstance()->themeColor();
    auto font = UIFont::fontWithName("HelveticaNeue-Light", lineHeight - 4);
    auto& hourly = cell->m_hourlyForecast;

    cell->m_hourLabel = LMWeatherLabel(
        "hourLabel", cell->m_themeColor, NSTextAlignmentCenter, CGRectMake(0, 0, cell->width(), lineHeight));
    cell->m_hourLabel->setFont(font);
    cell->m_hourLabel->setText(hourly ? hourText(hourly->hour(), militaryTime) : "");
    cell->addSubview(cell->m_hourLabel);

    if ((cell->m_conditionImageView = hourly ? hourly->conditionImageView() : nullptr)) {
        cell->m_conditionImageView->setCenter(CGPointMake(cell->width() * 0.5, cell->height() * 0.5));
        cell->addSubview(cell->m_conditionImageView);
    }

    cell->m_temperatureLabel = LMWeatherLabel("temperatureLabel", cell->m_themeColor, NSTextAlignmentCenter,
        CGRectMake(0, cell->height() - lineHeight, cell->width(), lineHeight));
    cell->m_temperatureLabel->setFont(font);
    cell->m_temperatureLabel->setText(objc::format("%d", hourly ? hourly->temperature() : 0));
    cell->addSubview(cell->m_temperatureLabel);
    return cell;
}

std::string LMWeatherDisplayHourlyView::hourText(const std::string& hour, bool militaryTime)
{
    std::string digits = hour.substr(0, 2);
    if (militaryTime)
        return digits;
    int value = -1;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc {} || end != digits.data() + digits.size())
        return "";
    return LMTwelveHourText(value);
}
