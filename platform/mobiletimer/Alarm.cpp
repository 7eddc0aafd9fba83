#include "mobiletimer/Alarm.h"

#include "foundation/NSCalendar.h"
#include "mobiletimer/AlarmNotification.h"

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>

namespace mobiletimer {
namespace {

std::string newAlarmId()
{
    thread_local std::mt19937_64 generator { std::random_device {}() };
    auto high = generator(), low = generator();
    char text[37];
    std::snprintf(text, sizeof text, "%08llX-%04llX-%04llX-%04llX-%012llX",
        static_cast<unsigned long long>(high >> 32), static_cast<unsigned long long>((high >> 16) & 0xffff),
        static_cast<unsigned long long>(high & 0xffff), static_cast<unsigned long long>(low >> 48),
        static_cast<unsigned long long>(low & 0xffffffffffffULL));
    return text;
}

std::shared_ptr<NSObject> initWithDefaultValuesImplementation(Class, SEL)
{
    return Alarm::initWithDefaultValues();
}

std::shared_ptr<NSObject> initWithNotificationImplementation(
    Class, SEL, std::shared_ptr<NSObject> notification)
{
    return Alarm::initWithNotification(notification);
}

} // namespace

Alarm::Alarm(Settings settings)
    : m_settings(std::move(settings))
{ }

std::shared_ptr<Alarm> Alarm::initWithDefaultValues()
{
    Settings settings;
    settings.alarmId = newAlarmId();
    return std::make_shared<Alarm>(std::move(settings));
}

std::shared_ptr<Alarm> Alarm::initWithNotification(const std::shared_ptr<NSObject>& object)
{
    auto notification = objc::cast<AlarmNotification>(object);
    if (!notification)
        return nullptr;
    auto alarm = std::make_shared<Alarm>(notification->alarm());
    alarm->setActive(true);
    return alarm;
}

void Alarm::setAllowsSnooze(bool allowsSnooze)
{
    m_settings.allowsSnooze = allowsSnooze;
}

void Alarm::setHour(int hour)
{
    if (hour < 0 || hour > 23)
        throw std::out_of_range("an alarm's hour is 0 to 23, not " + std::to_string(hour));
    m_settings.hour = hour;
}

void Alarm::setMinute(int minute)
{
    if (minute < 0 || minute > 59)
        throw std::out_of_range("an alarm's minute is 0 to 59, not " + std::to_string(minute));
    m_settings.minute = minute;
}

void Alarm::setTitle(const std::string& title)
{
    m_settings.title = title;
}

namespace {

// The next ringing found for a time of day, which stays the answer from the moment it was
// worked out until it comes, unless the device changes time zone. Kept as a time, not a date
// object: the cache outlives simulated processes, their objects must not.
struct NextRinging {
    std::shared_ptr<NSTimeZone> timeZone;
    NSTimeInterval computedAt { 0 };
    std::optional<NSTimeInterval> fireTime;
};

NextRinging& nextRinging(int hour, int minute)
{
    thread_local std::map<std::pair<int, int>, NextRinging> kept;
    return kept[{ hour, minute }];
}

} // namespace

std::shared_ptr<NSDate> Alarm::nextFireDate()
{
    auto zone = NSTimeZone::defaultTimeZone();
    auto now = NSDate::date();
    auto& kept = nextRinging(m_settings.hour, m_settings.minute);
    auto seconds = now->timeIntervalSinceReferenceDate();
    if (!(kept.fireTime && kept.timeZone == zone && seconds >= kept.computedAt && seconds < *kept.fireTime)) {
        auto fireDate = nextFireDateAfter(now);
        kept = { zone, seconds,
            fireDate ? std::optional(fireDate->timeIntervalSinceReferenceDate()) : std::nullopt };
        return fireDate;
    }
    return NSDate::dateWithTimeIntervalSinceReferenceDate(*kept.fireTime);
}

std::shared_ptr<NSDate> Alarm::nextFireDateAfter(const std::shared_ptr<NSDate>& now) const
{
    auto calendar = NSCalendar::currentCalendar();
    // Day by day rather than adding 24 hours, so that the alarm keeps its time of day across a
    // daylight-saving change; tomorrow's is always after now.
    auto day = calendar->startOfDayForDate(now);
    for (int offset = 0; offset < 2 && day; ++offset) {
        auto date = calendar->components(NSCalendarUnitYear | NSCalendarUnitMonth | NSCalendarUnitDay, day);
        date->setHour(m_settings.hour);
        date->setMinute(m_settings.minute);
        date->setSecond(0);
        auto fire = calendar->dateFromComponents(*date);
        if (fire && fire->timeIntervalSinceDate(*now) > 0)
            return fire;
        NSDateComponents oneDay;
        oneDay.setDay(1);
        day = calendar->dateByAddingComponents(oneDay, day);
    }
    return nullptr;
}

void Alarm::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(
        contracts::Alarm::initWithDefaultValues, &initWithDefaultValuesImplementation);
    staticClass()->addClassMethod(
        contracts::Alarm::initWithNotification, &initWithNotificationImplementation);
}

} // namespace mobiletimer
