#include "orblib/DeviceWeather.h"

#include "foundation/DeviceSetting.h"

#include <atomic>

namespace orblib {
namespace {

std::atomic<bool> s_locationServicesEnabled { false };

foundation::DeviceSetting<const WeatherReport>& reportSetting()
{
    static foundation::DeviceSetting<const WeatherReport> setting { nullptr };
    return setting;
}

} // namespace

bool DeviceWeather::locationServicesEnabled()
{
    return s_locationServicesEnabled.load();
}

void DeviceWeather::setLocationServicesEnabled(bool enabled)
{
    s_locationServicesEnabled.store(enabled);
}

std::shared_ptr<const WeatherReport> DeviceWeather::report()
{
    return reportSetting().get();
}

void DeviceWeather::setReport(std::optional<WeatherReport> report)
{
    reportSetting().set(report ? std::make_shared<const WeatherReport>(std::move(*report)) : nullptr);
}

} // namespace orblib
