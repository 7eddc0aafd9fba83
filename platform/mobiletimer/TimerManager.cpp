#include "mobiletimer/TimerManager.h"

#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "mobiletimer/ClockStoreFile.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace mobiletimer {
namespace {

constexpr std::string_view stateKey = "TimerState";
constexpr std::string_view fireTimeKey = "TimerFireTime";
constexpr std::string_view remainingKey = "TimerRemaining";
constexpr std::string_view soundKey = "TimerSound";

std::shared_ptr<NSObject> sharedManagerImplementation(Class, SEL)
{
    return TimerManager::sharedManager();
}

CFAbsoluteTime now()
{
    return dispatch::RunLoop::main().now();
}

std::optional<double> storedNumber(const NSDictionary::Entries& entries, std::string_view key)
{
    auto found = entries.find(key);
    auto number = found == entries.end() ? nullptr : objc::cast<NSNumber>(found->second);
    if (!number || !std::isfinite(number->doubleValue()))
        return std::nullopt;
    return number->doubleValue();
}

} // namespace

std::shared_ptr<TimerManager> TimerManager::sharedManager()
{
    return dispatch::sharedInstance<TimerManager>();
}

std::shared_ptr<TimerManager> TimerManager::create()
{
    auto manager = std::make_shared<TimerManager>();
    manager->restore();
    return manager;
}

void TimerManager::restore()
{
    auto entries = ClockStoreFile::read();
    auto state = storedNumber(entries, stateKey);
    auto fireTime = storedNumber(entries, fireTimeKey);
    auto remaining = storedNumber(entries, remainingKey);
    auto sound = entries.find(soundKey);
    if (sound != entries.end()) {
        if (auto text = objc::cast<NSString>(sound->second))
            m_sound = text->UTF8String();
    }
    if (state == Running && fireTime) {
        m_state = Running;
        m_fireTime = *fireTime;
        arm();
    } else if (state == Paused && remaining && *remaining >= 0) {
        m_state = Paused;
        m_remaining = *remaining;
    }
}

void TimerManager::scheduleAt(CFAbsoluteTime fireTime, const std::string& sound)
{
    if (!std::isfinite(fireTime))
        throw std::invalid_argument("a timer's fire time must be a number");
    disarm();
    m_state = Running;
    m_fireTime = fireTime;
    m_sound = sound;
    arm();
    store();
}

CFAbsoluteTime TimerManager::fireTime()
{
    switch (m_state) {
    case Running:
        return m_fireTime;
    case Paused:
        return now() + m_remaining;
    case Stopped:
        break;
    }
    return 0;
}

NSTimeInterval TimerManager::remainingTime() const
{
    switch (m_state) {
    case Running:
        return std::max(0.0, m_fireTime - now());
    case Paused:
        return m_remaining;
    case Stopped:
        break;
    }
    return 0;
}

void TimerManager::pause()
{
    if (m_state != Running)
        return;
    m_remaining = remainingTime();
    m_state = Paused;
    disarm();
    store();
}

void TimerManager::resume()
{
    if (m_state != Paused)
        return;
    m_fireTime = now() + m_remaining;
    m_state = Running;
    arm();
    store();
}

void TimerManager::cancel()
{
    if (m_state == Stopped)
        return;
    m_state = Stopped;
    disarm();
    store();
}

void TimerManager::arm()
{
    m_timer = NSTimer::scheduledTimerWithTimeInterval(std::max(0.0, m_fireTime - now()),
        std::static_pointer_cast<TimerManager>(shared_from_this()), &TimerManager::timerFired, false);
}

void TimerManager::disarm()
{
    if (m_timer)
        m_timer->invalidate();
    m_timer = nullptr;
}

void TimerManager::store() const
{
    ClockStoreFile::write({
        { std::string(stateKey), NSNumber::numberWithInt(m_state) },
        { std::string(fireTimeKey), NSNumber::numberWithDouble(m_state == Running ? m_fireTime : 0) },
        { std::string(remainingKey), NSNumber::numberWithDouble(m_state == Paused ? m_remaining : 0) },
        { std::string(soundKey), NSString::stringWithUTF8String(m_sound) },
    });
}

void TimerManager::timerFired(NSTimer*)
{
    m_timer = nullptr;
    m_state = Stopped;
    store();
    // A copy: the handler may set another handler or start the next timer.
    if (auto handler = m_fireHandler)
        handler();
}

void TimerManager::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::TimerManager::sharedManager, &sharedManagerImplementation);
}

} // namespace mobiletimer
