#pragma once

#include <string_view>

// The demo device's profile, sim/demo-device.json, built into the program: the device booted
// without --device, and the defaults of every key a profile leaves out.
class DemoDevice {
public:
    static constexpr const char* fileName = "demo-device.json";
    static std::string_view json();
};
