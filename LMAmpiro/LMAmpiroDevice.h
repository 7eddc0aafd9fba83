#pragma once

// The device model, from the support library's device code; at most one is true.
struct LMAmpiroDevice {
    bool iPhone4S { false };
    bool iPhone5 { false };
    bool iPhone5C { false };
    bool iPhone5S { false };
    bool iPhone6Plus { false };
    bool iPhone6 { false };
    bool iPhone6S { false };
    bool iPhone6SPlus { false };
    bool iPad2 { false };
    bool iPadMini { false };
    bool iPad3 { false };
    bool iPad4 { false };
    bool iPadAir { false };
    bool iPadMini2 { false };
    bool iPadAir2 { false };
    bool iPadMini3 { false };
    bool iPadMini4 { false };
    bool iPod5 { false };
    bool iPod6 { false };

    static LMAmpiroDevice fromCode(int code);

    // Seconds of each activity per unit of raw remaining capacity.
    struct Multipliers {
        double phone;
        double hdVideo;
        double wifi;
        double music;
        double standby;
    };
    Multipliers multipliers() const;
};
