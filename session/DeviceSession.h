#pragma once

#include "springboard/SpringBoard.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// Preference keys and the text stored for each, as the Settings app writes them.
using Preferences = std::map<std::string, std::string>;

// One simulated SpringBoard process with Lumora loaded, on the device whose disk is the current
// device root: the resource bundle goes on that disk, SpringBoard boots from the device's
// description, the library's initialisers run and the windows are built. The one way tests, the
// simulator, benchmarks and fuzz targets boot a device. Ending the session ends the process.
class DeviceSession {
public:
    // Throws std::runtime_error when the resource bundle cannot be installed, and what
    // SpringBoard throws for a device it cannot run.
    explicit DeviceSession(springboard::Device device = {});
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    springboard::SpringBoard& host() { return *m_host; }

    // Ends the process (objc::Runtime::endProcess) and answers how many objects made in it are
    // still alive: anything but 0 outlived its process. Ending twice answers 0 the second time.
    long end();

    // Replaces the preference file on the device's disk with these texts.
    static void writePreferences(const Preferences&);

private:
    std::unique_ptr<springboard::SpringBoard> m_host;
    std::uint64_t m_generation { 0 };
};
