#include "_LMContainerView/LMView.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMPanelStyle.h"
#include "contracts/OBWeatherProvider.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateFormatter.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "settings/LMSettings.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"

void LMView::updateLabels()
{
    updateTimeDatelabels();
    updateAlarmTimerLabel();
    updateForecastLabels();

    m_timeDateLabel->setTextColor(m_settings->timeColor());
    auto alarmTimerColor = m_settings->alarmTimerColor();
    m_alarmTimerLabel->setTextColor(alarmTimerColor);
    m_alarmImage = LMPanelStyle::tinted(m_alarmImage, alarmTimerColor);
    m_timerImage = LMPanelStyle::tinted(m_timerImage, alarmTimerColor);
    auto weatherColor = m_settings->weatherColor();
    for (auto& label :
        { m_weatherIconAndConditionNameLabel, m_highLowLabel, m_temperatureLabel, m_weatherErrorLabel })
        label->setTextColor(weatherColor);
    if (m_batteryPercentLabel)
        m_batteryPercentLabel->setTextColor(m_settings->ampiroThemeColor());
}

void LMView::update()
{
    m_tableViewController->reloadTableViewData();
    updateLabels();
}

std::string LMView::timeFromNSDate(const std::shared_ptr<NSDate>& date)
{
    bool militaryTime = m_settings->militaryTime();
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat(militaryTime ? "HH" : "hh");
    std::string time = formatter->stringFromDate(date);
    if (!militaryTime && time.starts_with('0'))
        time.erase(0, 1);
    formatter->setDateFormat(m_settings->secondsEnabled() ? ":mm:ss" : ":mm");
    return time + formatter->stringFromDate(date);
}

std::string LMView::dateFromNSDate(const std::shared_ptr<NSDate>& date)
{
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("EEEE, ");
    std::string text = formatter->stringFromDate(date);
    formatter->setDateFormat("MMMM ");
    text += formatter->stringFromDate(date);
    formatter->setDateFormat("dd");
    std::string day = formatter->stringFromDate(date);
    if (day.starts_with('0'))
        day.erase(0, 1);
    return text + day;
}

void LMView::updateTimeDatelabels()
{
    auto now = NSDate::date();
    auto time = timeFromNSDate(now);
    auto date = dateFromNSDate(now);
    m_timeDateText.set(*m_timeDateLabel, std::pair(time, date), [&] {
        auto text = NSMutableAttributedString::create(time + "\n", { .font = LMPanelStyle::lightFont(45) });
        text->appendAttributedString(NSAttributedString(date, { .font = LMPanelStyle::lightFont(16) }));
        return text;
    });
}

void LMView::updateAlarmTimerLabel()
{
    AlarmTimerKey key { m_isAnAlarmActive, m_nextAlarmFireTime, m_timerState, m_timerTimeRemaining,
        m_alarmImage, m_timerImage };
    m_alarmTimerText.set(*m_alarmTimerLabel, std::move(key), [this] { return alarmTimerText(); });
}

std::shared_ptr<NSAttributedString> LMView::alarmTimerText() const
{
    auto text = NSMutableAttributedString::create();
    if (m_isAnAlarmActive) {
        text->appendAttributedString(*LMPanelStyle::attachmentText(m_alarmImage));
        text->appendAttributedString(NSAttributedString(objc::format(" %@", m_nextAlarmFireTime)));
    }
    if (m_timerState == LMTimerState::paused || m_timerState == LMTimerState::running) {
        if (m_isAnAlarmActive)
            text->appendAttributedString(NSAttributedString(" | "));
        text->appendAttributedString(*LMPanelStyle::attachmentText(m_timerImage));
        text->appendAttributedString(
            NSAttributedString(objc::format(" %@", m_timerTimeRemaining.value_or(std::string()))));
    }
    text->addAttribute(NSFontAttributeName, LMPanelStyle::lightFont(15), NSMakeRange(0, text->length()));
    return text;
}

void LMView::updateForecastLabels()
{
    static objc::ClassRef weatherProviderClass { "OBWeatherProvider" };
    auto temperatureScale = LMTemperatureScaleFromStored(m_settings->temperatureScale());
    auto weather = contracts::make<contracts::OBWeatherProvider>(weatherProviderClass,
        contracts::OBWeatherProvider::initUsingCelciusScale, temperatureScale == LMTemperatureScale::celsius);
    if (!weather || !weather->forecastIsAvailable()) {
        m_weatherErrorLabel->setText(m_settings->forecastErrorMessageEnabled()
                ? "Enable location services for weather then open the weather app. Make sure you have an "
                  "internet connection."
                : "");
        m_weatherContainerView->setUserInteractionEnabled(false);
        return;
    }
    m_weatherErrorLabel->setText("");
    m_weatherContainerView->setUserInteractionEnabled(true);

    auto condition = NSMutableAttributedString::create();
    condition->appendAttributedString(*LMPanelStyle::attachmentText(weather->conditionImage()));
    condition->appendAttributedString(NSAttributedString(" " + weather->conditionName()));
    m_weatherIconAndConditionNameLabel->setAttributedText(condition);
    m_highLowLabel->setText(objc::format("high %d | low %d", weather->high(), weather->low()));
    if (temperatureScale == LMTemperatureScale::fahrenheit)
        m_temperatureLabel->setText(objc::format("%d%@", weather->temperature(), "°F\n"));
    else if (temperatureScale == LMTemperatureScale::celsius)
        m_temperatureLabel->setText(objc::format("%d%@", weather->temperature(), "°C\n"));
    else
        m_temperatureLabel->setText("");
}
