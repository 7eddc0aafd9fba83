#include "mobiletimer/SBClockDataProvider.h"

#include "dispatch/SharedInstance.h"
#include "foundation/NSCalendar.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/AlarmNotification.h"

#include <algorithm>

namespace mobiletimer {
namespace {

std::shared_ptr<NSObject> sharedInstanceImplementation(Class, SEL)
{
    return SBClockDataProvider::sharedInstance();
}

struct Earliest {
    std::shared_ptr<Alarm> alarm;
    std::shared_ptr<NSDate> fireDate;

    void consider(const std::shared_ptr<Alarm>& candidate, const std::shared_ptr<NSDate>& date)
    {
        if (!fireDate || date->timeIntervalSinceDate(*fireDate) < 0) {
            alarm = candidate;
            fireDate = date;
        }
    }
};

// The notification already held when it still stands for the same ringing, so that its
// identity lasts as long as what it announces.
std::shared_ptr<NSObject> notificationFor(const Earliest& earliest, const std::shared_ptr<NSObject>& held)
{
    if (!earliest.alarm)
        return nullptr;
    auto& settings = earliest.alarm->settings();
    auto notification = objc::cast<AlarmNotification>(held);
    if (notification && notification->alarm() == settings
        && notification->fireDate()->isEqual(*earliest.fireDate))
        return notification;
    return std::make_shared<AlarmNotification>(settings, earliest.fireDate);
}

} // namespace

std::shared_ptr<SBClockDataProvider> SBClockDataProvider::sharedInstance()
{
    return dispatch::sharedInstance<SBClockDataProvider>();
}

bool SBClockDataProvider::Basis::holdsAt(
    const std::vector<std::shared_ptr<Alarm>>& alarms, const NSTimeZone* zone, NSTimeInterval now) const
{
    if (zone != timeZone || now < computedAt || now >= validUntil || alarms.size() != this->alarms.size())
        return false;
    for (size_t i = 0; i < alarms.size(); ++i) {
        auto& [alarm, settings, active] = this->alarms[i];
        if (alarms[i] != alarm || alarms[i]->settings() != settings || alarms[i]->isActive() != active)
            return false;
    }
    return true;
}

// What the alarms announce changes only when one of them changes, when the device moves to
// another time zone, when the earliest of them rings (its next ringing moves to the next day),
// or at midnight (tomorrow's becomes today's): until then the last answer stands.
void SBClockDataProvider::refresh()
{
    auto& alarms = AlarmManager::sharedManager()->alarms();
    auto zone = NSTimeZone::defaultTimeZone();
    auto now = NSDate::date();
    if (m_basis.holdsAt(alarms, zone.get(), now->timeIntervalSinceReferenceDate()))
        return;

    auto calendar = NSCalendar::currentCalendar();
    NSDateComponents oneDay;
    oneDay.setDay(1);
    auto nextDay = calendar->startOfDayForDate(calendar->dateByAddingComponents(oneDay, now));
    Basis basis { zone.get(), now->timeIntervalSinceReferenceDate(),
        nextDay ? nextDay->timeIntervalSinceReferenceDate() : now->timeIntervalSinceReferenceDate(), {} };
    Earliest today, tomorrow;
    for (auto& alarm : alarms) {
        basis.alarms.emplace_back(alarm, alarm->settings(), alarm->isActive());
        if (!alarm->isActive())
            continue;
        auto fireDate = alarm->nextFireDate();
        if (!fireDate) {
            basis.validUntil = basis.computedAt;
            continue;
        }
        basis.validUntil = std::min(basis.validUntil, fireDate->timeIntervalSinceReferenceDate());
        if (calendar->isDateInToday(fireDate))
            today.consider(alarm, fireDate);
        else if (calendar->isDateInTomorrow(fireDate))
            tomorrow.consider(alarm, fireDate);
    }
    m_nextAlarmForToday = notificationFor(today, m_nextAlarmForToday);
    m_firstAlarmForTomorrow = notificationFor(tomorrow, m_firstAlarmForTomorrow);
    m_basis = std::move(basis);
    m_basisZone = std::move(zone);
}

std::shared_ptr<NSObject> SBClockDataProvider::nextAlarmForToday()
{
    refresh();
    return m_nextAlarmForToday;
}

std::shared_ptr<NSObject> SBClockDataProvider::firstAlarmForTomorrow()
{
    refresh();
    return m_firstAlarmForTomorrow;
}

void SBClockDataProvider::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::sharedInstance, &sharedInstanceImplementation);
    // Read by name, they are worked out first, as the getters do.
    auto ivar = [](const char* name, std::shared_ptr<NSObject> SBClockDataProvider::*member) {
        staticClass()->addIvar(
            objc_ivar { name, typeid(std::shared_ptr<NSObject>), [member](NSObject* object) -> void* {
                           auto* provider = dynamic_cast<SBClockDataProvider*>(object);
                           if (!provider)
                               return nullptr;
                           provider->refresh();
                           return &(provider->*member);
                       } });
    };
    ivar("_nextAlarmForToday", &SBClockDataProvider::m_nextAlarmForToday);
    ivar("_firstAlarmForTomorrow", &SBClockDataProvider::m_firstAlarmForTomorrow);
}

} // namespace mobiletimer
