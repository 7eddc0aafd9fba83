#pragma once

#include "DeviceProfile.h"

#include "render/ViewRenderer.h"
#include "session/DeviceSession.h"

#include <memory>
#include <optional>
#include <string>

class UIView;

// The simulated phone: SpringBoard booted from a device profile on the disk the device root
// gives, with the resource bundle installed and Lumora loaded, and its virtual time.
class Simulator {
public:
    // Boots. The device root must be set, and the preference file in place.
    explicit Simulator(DeviceProfile);
    // Ends the process.
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    springboard::SpringBoard& host() { return m_session->host(); }

    // Ends the process and starts SpringBoard again on the same device, as it stands now, with
    // Lumora loaded.
    void respring();
    void advance(NSTimeInterval);
    // The battery (iokit::Battery) and SpringBoard together. As time runs the level changes by
    // its rate per hour, and SpringBoard hears of each new whole percent within a minute.
    void setBattery(float level, std::optional<double> ratePerHour);
    // The charger turns the rate's sign: up while charging, down while not.
    void setCharging(bool);

    // What the screen shows: black while the display is off.
    render::Picture snapshot();
    // The view tree of the screen (its windows bottom to top, then the alerts up), or of one view.
    std::string dump(const UIView* root = nullptr);

private:
    void boot(springboard::Device);
    void startBatteryReports();
    void addAlarms();

    DeviceProfile m_profile;
    CFAbsoluteTime m_lastBatteryReport { 0 };
    int m_reportedPercentage { 0 };
    std::unique_ptr<render::ViewRenderer> m_renderer;
    std::unique_ptr<DeviceSession> m_session;
};
