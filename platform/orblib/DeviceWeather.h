#pragma once

#include "orblib/WeatherReport.h"

#include <memory>
#include <optional>

namespace orblib {

// The device's weather as the support library finds it: whether apps may use the device's
// location, and the weather service's last report. It belongs to the device, not to a process:
// whoever boots the device (the host, a test, the simulator) sets it, a restarted host sees the
// same, and any thread may read it. A device starts without permission and without a report.
class DeviceWeather {
public:
    static bool locationServicesEnabled();
    static void setLocationServicesEnabled(bool);

    // Nothing until a report was set, or after it was cleared.
    static std::shared_ptr<const WeatherReport> report();
    static void setReport(std::optional<WeatherReport>);
};

} // namespace orblib
