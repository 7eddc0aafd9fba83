#include "Simulator.h"

#include "iokit/Battery.h"
#include "mobiletimer/AlarmManager.h"
#include "orblib/DeviceNowPlaying.h"
#include "orblib/DeviceWeather.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// SpringBoard hears of the battery's level in whole percents, checked once a minute, as on a phone.
constexpr NSTimeInterval batteryReportInterval = 60;

} // namespace

Simulator::Simulator(DeviceProfile profile)
    : m_profile(std::move(profile))
{
    // The battery's level changes from the device's "now" on.
    dispatch::RunLoop::main().reset(m_profile.device.startTime);
    auto& battery = m_profile.device.battery;
    iokit::Battery::set({ battery.level, battery.charging, battery.lowPowerMode, m_profile.ratePerHour,
        m_profile.rawMaxCapacity, m_profile.rawCurrentCapacity });
    orblib::DeviceWeather::setLocationServicesEnabled(m_profile.locationServicesEnabled);
    orblib::DeviceWeather::setReport(m_profile.weather);
    orblib::DeviceNowPlaying::setItem(m_profile.nowPlaying);
    m_profile.installDeviceStores();
    boot(m_profile.device);
    addAlarms();
    if (m_profile.timer)
        host().startTimer(*m_profile.timer);
}

// The profile's alarms are the device's: on a device root used before, they replace the stored
// ones of the same number rather than adding to them.
void Simulator::addAlarms()
{
    auto manager = mobiletimer::AlarmManager::sharedManager();
    for (size_t i = 0; i < m_profile.alarms.size(); ++i) {
        auto& alarm = m_profile.alarms[i];
        manager->addAlarm(
            std::make_shared<mobiletimer::Alarm>(mobiletimer::Alarm::Settings {
                "lumora-sim-" + std::to_string(i + 1), alarm.hour, alarm.minute, alarm.title, true }),
            alarm.enabled);
    }
    manager->saveAlarms();
}

Simulator::~Simulator() = default;

void Simulator::boot(springboard::Device device)
{
    m_session.reset();
    m_renderer = std::make_unique<render::ViewRenderer>(device.screenScale);
    m_session = std::make_unique<DeviceSession>(std::move(device));
    startBatteryReports();
}

void Simulator::respring()
{
    auto device = host().device();
    device.startTime = dispatch::RunLoop::main().now();
    auto battery = iokit::Battery::state();
    device.battery = { static_cast<float>(battery.level), battery.charging, battery.lowPowerMode };
    boot(std::move(device));
}

void Simulator::advance(NSTimeInterval seconds)
{
    auto& loop = dispatch::RunLoop::main();
    auto end = loop.now() + seconds;
    while (m_lastBatteryReport + batteryReportInterval <= end) {
        m_lastBatteryReport += batteryReportInterval;
        loop.advance(m_lastBatteryReport - loop.now());
        if (auto percentage = iokit::Battery::percentage(); percentage != m_reportedPercentage) {
            m_reportedPercentage = percentage;
            host().batteryChanged();
        }
    }
    loop.advance(end - loop.now());
}

void Simulator::setBattery(float level, std::optional<double> ratePerHour)
{
    if (ratePerHour)
        iokit::Battery::setRatePerHour(*ratePerHour);
    host().setBattery(level);
    startBatteryReports();
}

void Simulator::startBatteryReports()
{
    m_lastBatteryReport = dispatch::RunLoop::main().now();
    m_reportedPercentage = iokit::Battery::percentage();
}

void Simulator::setCharging(bool charging)
{
    auto rate = std::abs(iokit::Battery::state().ratePerHour);
    iokit::Battery::setRatePerHour(charging ? rate : -rate);
    host().setCharging(charging);
}

render::Picture Simulator::snapshot()
{
    if (host().device().screenOn)
        return m_renderer->renderScreen();
    auto bounds = host().device().screenBounds();
    auto scale = host().device().screenScale;
    render::Picture dark(static_cast<int>(std::lround(bounds.size.width * scale)),
        static_cast<int>(std::lround(bounds.size.height * scale)));
    auto* context = cairo_create(dark.surface());
    cairo_set_source_rgb(context, 0, 0, 0);
    cairo_paint(context);
    cairo_destroy(context);
    return dark;
}

std::string Simulator::dump(const UIView* root)
{
    if (root)
        return ViewDump::text(*root);
    std::vector<std::shared_ptr<UIView>> views;
    for (auto& window : UIApplication::sharedApplication()->windowsOnScreen()) {
        window->layoutIfNeeded();
        views.push_back(window);
    }
    for (auto& alert : UIAlertView::visibleAlerts())
        views.push_back(alert);
    std::string text = "[\n";
    for (size_t i = 0; i < views.size(); ++i) {
        auto entry = ViewDump::text(*views[i]);
        entry.pop_back();
        text += entry + (i + 1 < views.size() ? ",\n" : "\n");
    }
    return text + "]\n";
}
