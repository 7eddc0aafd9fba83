#include "orblib/OBWeatherProvider.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDateFormatter.h"
#include "orblib/DeviceWeather.h"
#include "orblib/OBDayForecast.h"
#include "orblib/OBHourlyForecast.h"
#include "orblib/WeatherIcon.h"
#include "uikit/UIImage.h"

#include <cmath>

namespace orblib {
namespace {

std::shared_ptr<NSObject> initUsingCelciusScaleImplementation(Class, SEL, bool celsius)
{
    return OBWeatherProvider::initUsingCelciusScale(celsius);
}

// Hours go to callers that read their first two characters as digits, whatever the device's
// locale; day names are for people.
std::string formatted(CFAbsoluteTime time, const char* pattern, std::shared_ptr<NSLocale> locale = nullptr)
{
    NSDateFormatter formatter;
    formatter.setDateFormat(pattern);
    formatter.setLocale(std::move(locale));
    return formatter.stringFromDate(NSDate::dateWithTimeIntervalSinceReferenceDate(time));
}

} // namespace

OBWeatherProvider::OBWeatherProvider(bool celsius, std::shared_ptr<const WeatherReport> report)
    : m_celsius(celsius)
    , m_report(std::move(report))
{ }

std::shared_ptr<OBWeatherProvider> OBWeatherProvider::initUsingCelciusScale(bool celsius)
{
    auto report = DeviceWeather::locationServicesEnabled() ? DeviceWeather::report() : nullptr;
    return std::make_shared<OBWeatherProvider>(celsius, std::move(report));
}

int OBWeatherProvider::degrees(double celsius) const
{
    return static_cast<int>(std::lround(m_celsius ? celsius : celsius * 9 / 5 + 32));
}

std::string OBWeatherProvider::cityName()
{
    return m_report ? m_report->cityName : std::string();
}

std::string OBWeatherProvider::conditionName()
{
    return m_report ? std::string(orblib::conditionName(m_report->condition)) : std::string();
}

std::shared_ptr<UIImage> OBWeatherProvider::conditionImage()
{
    return m_report ? weatherIcon(m_report->condition, conditionImageSide) : nullptr;
}

int OBWeatherProvider::temperature()
{
    return m_report ? degrees(m_report->temperature) : 0;
}

int OBWeatherProvider::high()
{
    return m_report ? degrees(m_report->high) : 0;
}

int OBWeatherProvider::low()
{
    return m_report ? degrees(m_report->low) : 0;
}

std::vector<std::shared_ptr<contracts::OBDayForecast>> OBWeatherProvider::dayForecasts()
{
    std::vector<std::shared_ptr<contracts::OBDayForecast>> forecasts;
    if (!m_report)
        return forecasts;
    auto calendar = NSCalendar::currentCalendar();
    for (auto& day : m_report->days) {
        bool isToday = calendar->isDateInToday(NSDate::dateWithTimeIntervalSinceReferenceDate(day.day));
        forecasts.push_back(std::make_shared<OBDayForecast>(isToday ? "Today" : formatted(day.day, "EEEE"),
            degrees(day.high), degrees(day.low), day.condition));
    }
    return forecasts;
}

std::vector<std::shared_ptr<contracts::OBHourlyForecast>> OBWeatherProvider::hourlyForecasts()
{
    std::vector<std::shared_ptr<contracts::OBHourlyForecast>> forecasts;
    if (!m_report)
        return forecasts;
    for (auto& hour : m_report->hours)
        forecasts.push_back(std::make_shared<OBHourlyForecast>(
            formatted(hour.time, "HH:mm", NSLocale::localeWithLocaleIdentifier("en_US_POSIX")),
            degrees(hour.temperature), hour.condition));
    return forecasts;
}

void OBWeatherProvider::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    objc::Runtime::registerClass(OBDayForecast::staticClass());
    objc::Runtime::registerClass(OBHourlyForecast::staticClass());
    staticClass()->addClassMethod(
        contracts::OBWeatherProvider::initUsingCelciusScale, &initUsingCelciusScaleImplementation);
}

} // namespace orblib
