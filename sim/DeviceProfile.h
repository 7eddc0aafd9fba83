#pragma once

#include "eventkit/CalendarRecords.h"
#include "orblib/DeviceNotifications.h"
#include "orblib/DeviceNowPlaying.h"
#include "orblib/WeatherReport.h"
#include "springboard/Device.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The device the simulator boots, as a JSON profile describes it (sim/README.md lists the keys).
// Every key is optional: what a profile leaves out comes from the demo device
// (sim/demo-device.json), and objects are merged key by key.
struct DeviceProfile {
    struct Alarm {
        int hour { 0 };
        int minute { 0 };
        std::string title;
        bool enabled { true };
    };

    // What SpringBoard learns of the hardware and the system, the screen's state, the apps.
    springboard::Device device;
    // The power source's raw capacities in mAh (nothing: not reported; no current capacity:
    // the level's share of the maximum), and the change of the level per hour.
    std::optional<int> rawCurrentCapacity;
    std::optional<int> rawMaxCapacity;
    double ratePerHour { 0 };
    bool locationServicesEnabled { false };
    std::optional<orblib::WeatherReport> weather;
    // The media player's current track (the player itself is the device's `media`).
    std::optional<orblib::NowPlayingItem> nowPlaying;
    // The app chooser's list of bundle identifiers, written to the device's disk before boot;
    // nothing leaves the disk as it is.
    std::optional<std::vector<std::string>> appList;
    std::vector<Alarm> alarms;
    // The Clock's countdown timer, running, with this long to go.
    std::optional<NSTimeInterval> timer;
    // The device's calendar database and pending notifications.
    std::vector<eventkit::CalendarRecord> calendars;
    std::vector<eventkit::EventRecord> events;
    std::vector<eventkit::ReminderRecord> reminders;
    std::vector<orblib::NotificationRecord> notifications;

    // Fills the device's calendar database and notification store, which a respring keeps.
    void installDeviceStores() const;

    static DeviceProfile demo();
    // The demo device with the profile in the file laid over it. Throws InputError naming the
    // file and the key when the file cannot be read or is not a valid profile.
    static DeviceProfile load(const std::filesystem::path&);
};
