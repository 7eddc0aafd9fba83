#include "serve/VirtualClock.h"

#include <algorithm>

VirtualClock::VirtualClock(Instant now)
    : m_last(now)
{ }

void VirtualClock::setSpeed(double speed, Instant now)
{
    due(now);
    m_speed = speed;
}

double VirtualClock::due(Instant now)
{
    double elapsed = std::chrono::duration<double>(now - m_last).count();
    m_last = now;
    return std::clamp(elapsed, 0.0, longestGap) * m_speed;
}
