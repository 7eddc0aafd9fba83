#include "dispatch/NSTimer.h"

#include <cmath>

NSTimer::NSTimer(NSTimeInterval interval, std::function<void(NSTimer*)> block, bool repeats)
    : m_interval(interval)
    , m_block(std::move(block))
    , m_repeats(repeats)
{ }

std::shared_ptr<NSTimer> NSTimer::scheduledTimerWithTimeInterval(
    NSTimeInterval interval, std::function<void(NSTimer*)> block, bool repeats)
{
    auto timer = std::make_shared<NSTimer>(interval, std::move(block), repeats);
    schedule(timer);
    return timer;
}

void NSTimer::schedule(const std::shared_ptr<NSTimer>& timer)
{
    timer->setFireDate(dispatch::RunLoop::main().now() + timer->effectiveInterval());
    dispatch::RunLoop::main().addTimer(timer);
}

NSTimeInterval NSTimer::effectiveInterval() const
{
    return std::isfinite(m_interval) && m_interval > minimumInterval ? m_interval : minimumInterval;
}

void NSTimer::fire()
{
    if (isValid() && m_block)
        m_block(this);
}
