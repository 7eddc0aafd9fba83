#pragma once

#include <chrono>

// How the device's virtual time follows the wall clock while the page is open: paused, at real
// speed, or fast-forwarded. The device thread asks what is due each time it wakes.
class VirtualClock {
public:
    using Instant = std::chrono::steady_clock::time_point;
    // One wake-up never runs more than this much wall time's worth, so a stalled thread does not
    // come back to hours of virtual time at once.
    static constexpr double longestGap = 0.25;

    explicit VirtualClock(Instant now);

    // 0 pauses; 1 is real speed.
    void setSpeed(double speed, Instant now);
    double speed() const { return m_speed; }
    bool running() const { return m_speed > 0; }
    // Virtual seconds due for the wall time since the last call.
    double due(Instant now);

private:
    double m_speed { 1 };
    Instant m_last;
};
