#include "mobiletimer/AlarmManager.h"

#include "dispatch/SharedInstance.h"
#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "mobiletimer/ClockStoreFile.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace mobiletimer {
namespace {

constexpr std::string_view alarmsKey = "Alarms";

std::shared_ptr<NSObject> sharedManagerImplementation(Class, SEL)
{
    return AlarmManager::sharedManager();
}

std::shared_ptr<NSObject> encoded(const Alarm& alarm)
{
    auto& settings = alarm.settings();
    return std::make_shared<NSDictionary>(NSDictionary::Entries {
        { "id", NSString::stringWithUTF8String(settings.alarmId) },
        { "hour", NSNumber::numberWithInt(settings.hour) },
        { "minute", NSNumber::numberWithInt(settings.minute) },
        { "title", NSString::stringWithUTF8String(settings.title) },
        { "allowsSnooze", NSNumber::numberWithBool(settings.allowsSnooze) },
        { "active", NSNumber::numberWithBool(alarm.isActive()) },
    });
}

template <class T> std::shared_ptr<T> field(const NSDictionary& entry, std::string_view key)
{
    return objc::cast<T>(entry.objectForKey(key));
}

std::optional<int> wholeNumber(const NSDictionary& entry, std::string_view key, int lowest, int highest)
{
    auto number = field<NSNumber>(entry, key);
    if (!number || number->kind() != NSNumber::Kind::Integer)
        return std::nullopt;
    auto value = number->integerValue();
    return value >= lowest && value <= highest ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
}

std::shared_ptr<Alarm> decoded(const std::shared_ptr<NSObject>& object)
{
    auto entry = objc::cast<NSDictionary>(object);
    if (!entry)
        return nullptr;
    auto alarmId = field<NSString>(*entry, "id");
    auto hour = wholeNumber(*entry, "hour", 0, 23);
    auto minute = wholeNumber(*entry, "minute", 0, 59);
    if (!alarmId || alarmId->UTF8String().empty() || !hour || !minute)
        return nullptr;
    auto title = field<NSString>(*entry, "title");
    auto allowsSnooze = field<NSNumber>(*entry, "allowsSnooze");
    auto active = field<NSNumber>(*entry, "active");
    Alarm::Settings settings { alarmId->UTF8String(), *hour, *minute,
        title ? title->UTF8String() : std::string(), !allowsSnooze || allowsSnooze->boolValue() };
    auto alarm = std::make_shared<Alarm>(std::move(settings));
    alarm->setActive(active && active->boolValue());
    return alarm;
}

} // namespace

std::shared_ptr<AlarmManager> AlarmManager::sharedManager()
{
    return dispatch::sharedInstance<AlarmManager>();
}

std::shared_ptr<AlarmManager> AlarmManager::create()
{
    auto manager = std::make_shared<AlarmManager>();
    manager->loadAlarms();
    return manager;
}

void AlarmManager::loadAlarms()
{
    m_alarms.clear();
    auto entries = ClockStoreFile::read();
    auto stored = entries.find(alarmsKey);
    auto list = stored == entries.end() ? nullptr : objc::cast<NSArray>(stored->second);
    if (!list)
        return;
    for (auto& entry : *list) {
        auto alarm = decoded(entry);
        bool known = alarm && std::ranges::any_of(m_alarms, [&](auto& other) {
            return other->settings().alarmId == alarm->settings().alarmId;
        });
        if (alarm && !known)
            m_alarms.push_back(std::move(alarm));
    }
}

void AlarmManager::addAlarm(const std::shared_ptr<contracts::Alarm>& given, bool active)
{
    if (!given)
        return;
    auto alarm = std::dynamic_pointer_cast<Alarm>(given);
    if (!alarm)
        throw std::invalid_argument("addAlarm:active: takes an alarm of the Clock store");
    alarm->setActive(active);
    auto same = std::ranges::find_if(
        m_alarms, [&](auto& other) { return other->settings().alarmId == alarm->settings().alarmId; });
    if (same != m_alarms.end())
        *same = std::move(alarm);
    else
        m_alarms.push_back(std::move(alarm));
}

void AlarmManager::saveAlarms()
{
    NSArray::Objects list;
    for (auto& alarm : m_alarms)
        list.push_back(encoded(*alarm));
    ClockStoreFile::write({ { std::string(alarmsKey), std::make_shared<NSArray>(std::move(list)) } });
}

void AlarmManager::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::AlarmManager::sharedManager, &sharedManagerImplementation);
}

} // namespace mobiletimer
