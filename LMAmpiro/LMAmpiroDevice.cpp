#include "LMAmpiro/LMAmpiroDevice.h"

#include <utility>

namespace {

const std::pair<int, bool LMAmpiroDevice::*> deviceCodes[] = {
    { 4, &LMAmpiroDevice::iPhone4S },
    { 5, &LMAmpiroDevice::iPhone5 },
    { 6, &LMAmpiroDevice::iPhone5C },
    { 7, &LMAmpiroDevice::iPhone5S },
    { 8, &LMAmpiroDevice::iPhone6 },
    { 9, &LMAmpiroDevice::iPhone6Plus },
    { 10, &LMAmpiroDevice::iPhone6S },
    { 11, &LMAmpiroDevice::iPhone6SPlus },
    { 14, &LMAmpiroDevice::iPad2 },
    { 15, &LMAmpiroDevice::iPadMini },
    { 16, &LMAmpiroDevice::iPad3 },
    { 17, &LMAmpiroDevice::iPad4 },
    { 18, &LMAmpiroDevice::iPadAir },
    { 19, &LMAmpiroDevice::iPadMini2 },
    { 20, &LMAmpiroDevice::iPadAir2 },
    { 21, &LMAmpiroDevice::iPadMini3 },
    { 22, &LMAmpiroDevice::iPadMini4 },
    { 29, &LMAmpiroDevice::iPod5 },
    { 30, &LMAmpiroDevice::iPod6 },
};

} // namespace

LMAmpiroDevice LMAmpiroDevice::fromCode(int code)
{
    LMAmpiroDevice device;
    for (auto [value, flag] : deviceCodes)
        device.*flag = code == value;
    return device;
}

LMAmpiroDevice::Multipliers LMAmpiroDevice::multipliers() const
{
    auto& device = *this;
    if (device.iPhone4S || device.iPhone5 || device.iPhone5C || device.iPhone5S || device.iPod5
        || device.iPod6)
        return { 23.08, 23.08, 23.08, 92.31, 553.85 };
    if (device.iPhone6Plus)
        return { 29.64, 17.29, 14.82, 98.8, 597.74 };
    if (device.iPhone6 || device.iPhone6S)
        return { 27.85, 21.88, 21.88, 99.45, 477.35 };
    if (device.iPhone6SPlus)
        return { 31.42, 18.33, 15.71, 104.73, 633.6 };
    if (device.iPad2 || device.iPad3 || device.iPad4 || device.iPadAir)
        return { 4.08, 4.08, 4.08, 4.08, 40.08 };
    if (device.iPadMini || device.iPadMini2)
        return { 5.56, 5.56, 5.56, 5.56, 50.56 };
    if (device.iPadAir2)
        return { 4.9, 4.9, 4.9, 4.9, 49.0 };
    if (device.iPadMini3 || device.iPadMini4)
        return { 7.03, 7.03, 7.03, 7.03, 70.03 };
    return { 27.85, 21.88, 21.88, 99.45, 477.35 };
}
