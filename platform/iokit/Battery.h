#pragma once

#include <optional>

namespace iokit {

// The device's battery as its hardware reports it. It belongs to the device, not to a process:
// whoever boots the device (the host, a test, the simulator) describes it, a restarted host
// finds it as it was, and any thread may read it. The level moves by `ratePerHour` for every
// hour of the main run loop's virtual clock, worked out when it is read, and stays within 0..1
// (so a full battery on the charger stays full). A device starts full, unplugged and steady,
// without raw capacities.
class Battery {
public:
    struct State {
        // From 0 to 1.
        double level { 1 };
        bool charging { false };
        bool lowPowerMode { false };
        // Change of the level per hour: negative while draining, positive while charging.
        double ratePerHour { 0 };
        // In mAh; nothing when the hardware does not report it.
        std::optional<int> rawMaxCapacity;
        // A fixed raw charge in mAh; nothing: the level's share of the maximum.
        std::optional<int> fixedRawCurrentCapacity;
    };

    // The battery as it is now.
    static State state();
    // Replaces the description; the level given holds now and changes from here on. A level
    // outside 0..1 is brought within it; a level or rate that is not a number, or a negative
    // capacity, is refused with std::invalid_argument.
    static void set(State);
    static void setLevel(double);
    static void setCharging(bool);
    static void setRatePerHour(double);

    static double level() { return state().level; }
    // The whole percent the system shows: the level to the nearest percent.
    static int percentage();
    // The fixed raw charge, else the level's share of the maximum to the nearest mAh; nothing
    // without either.
    static std::optional<int> rawCurrentCapacity();
    static std::optional<int> rawMaxCapacity() { return state().rawMaxCapacity; }
};

} // namespace iokit
