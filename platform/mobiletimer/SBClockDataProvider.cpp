#include "mobiletimer/SBClockDataProvider.h"

#include "dispatch/SharedInstance.h"
#include "foundation/NSCalendar.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/AlarmNotification.h"

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

void SBClockDataProvider::refresh()
{
    auto calendar = NSCalendar::currentCalendar();
    Earliest today, tomorrow;
    for (auto& alarm : AlarmManager::sharedManager()->alarms()) {
        if (!alarm->isActive())
            continue;
        auto fireDate = alarm->nextFireDate();
        if (calendar->isDateInToday(fireDate))
            today.consider(alarm, fireDate);
        else if (calendar->isDateInTomorrow(fireDate))
            tomorrow.consider(alarm, fireDate);
    }
    m_nextAlarmForToday = notificationFor(today, m_nextAlarmForToday);
    m_firstAlarmForTomorrow = notificationFor(tomorrow, m_firstAlarmForTomorrow);
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
