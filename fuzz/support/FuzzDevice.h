#pragma once

#include "session/TemporaryDeviceRoot.h"

#include <cstdint>
#include <string>
#include <vector>

// A temporary device disk for a whole fuzzing run, with a process begun on it; removed at exit.
class FuzzDevice {
public:
    FuzzDevice();
    ~FuzzDevice();
    FuzzDevice(const FuzzDevice&) = delete;
    FuzzDevice& operator=(const FuzzDevice&) = delete;

    // Puts a file on the device's disk, making its folders.
    static void write(const std::string& devicePath, const std::vector<std::uint8_t>& bytes);
    // Stops the run: a fuzz target found a promise broken.
    static void require(bool condition);

private:
    TemporaryDeviceRoot m_root { "lumora-fuzz" };
};
