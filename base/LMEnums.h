#pragma once

// The values that cross between the preference file, the host and the panel. The preference file
// and the host hold the integers; code converts once, where it reads them, and compares names.

// Where the user put the panel.
enum class LMLocation : int {
    lockScreen = 1,
    todayPage = 2,
    // The search page, shown when it is revealed from edge 8 or from edge 1.
    searchFromEdge8 = 3,
    searchFromEdge1 = 4,
};

// The clock's countdown timer, as its manager answers `state`.
enum class LMTimerState : int {
    unknown = -1, // not read yet
    none = 1,
    paused = 2,
    running = 3,
};

enum class LMTemperatureScale : int {
    fahrenheit = 1,
    celsius = 2,
};

// SpringBoard's interface orientation.
enum class LMOrientation : long {
    portrait = 1,
    portraitUpsideDown = 2,
    landscapeLeft = 3,
    landscapeRight = 4,
};

// Any stored integer converts, known or not, so an unexpected value compares unequal to every name
// exactly as the integer did.
constexpr LMLocation LMLocationFromStored(int stored)
{
    return static_cast<LMLocation>(stored);
}

constexpr LMTimerState LMTimerStateFromStored(int stored)
{
    return static_cast<LMTimerState>(stored);
}

constexpr LMTemperatureScale LMTemperatureScaleFromStored(int stored)
{
    return static_cast<LMTemperatureScale>(stored);
}

constexpr LMOrientation LMOrientationFromHost(long host)
{
    return static_cast<LMOrientation>(host);
}
