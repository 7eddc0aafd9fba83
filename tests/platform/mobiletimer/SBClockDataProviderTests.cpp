#include "contracts/Alarm.h"
#include "foundation/NSDate.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/SBClockDataProvider.h"
#include "objc/ClassRef.h"
#include "platform/mobiletimer/ClockTestDevice.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

void addAlarm(int hour, int minute, bool active)
{
    auto alarm = mobiletimer::Alarm::initWithDefaultValues();
    alarm->setHour(hour);
    alarm->setMinute(minute);
    mobiletimer::AlarmManager::sharedManager()->addAlarm(alarm, active);
}

// As the clock overlay reads it: the field by name, turned into an alarm, and its next fire date.
std::optional<CFAbsoluteTime> announced(const char* field)
{
    static objc::ClassRef providerClass { "SBClockDataProvider" };
    static objc::ClassRef alarmClass { "Alarm" };
    auto provider = contracts::sharedInstance.toClass(providerClass);
    auto notification = objc_getIvarNamed<std::shared_ptr<NSObject>>(provider.get(), field);
    if (!notification)
        return std::nullopt;
    auto alarm
        = contracts::make<contracts::Alarm>(alarmClass, contracts::Alarm::initWithNotification, notification);
    return alarm->nextFireDate()->timeIntervalSinceReferenceDate();
}

} // namespace

TEST(SBClockDataProvider, AnnouncesTheNextActiveAlarmOfTodayAndTheFirstOfTomorrowAsTheClockMoves)
{
    ClockTestDevice device;
    device.boot(Monday2350 - 3600); // 22:50
    EXPECT_EQ(announced("_nextAlarmForToday"), std::nullopt);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), std::nullopt);

    addAlarm(23, 55, true);
    addAlarm(23, 50, true);
    addAlarm(23, 52, false);
    addAlarm(0, 30, true);
    addAlarm(7, 0, true);
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2350);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), Tuesday0030);

    dispatch::RunLoop::main().advance(3600 + 60);
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2355);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), Tuesday0030);

    dispatch::RunLoop::main().advance(300);
    EXPECT_EQ(announced("_nextAlarmForToday"), std::nullopt);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), Tuesday0030);

    // Past midnight every alarm rings today.
    dispatch::RunLoop::main().advance(600);
    EXPECT_EQ(announced("_nextAlarmForToday"), Tuesday0030);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), std::nullopt);
}

TEST(SBClockDataProvider, KeepsOneNotificationWhileItAnnouncesTheSameRinging)
{
    ClockTestDevice device;
    device.boot(Monday2350 - 3600);
    addAlarm(23, 55, true);
    auto provider = mobiletimer::SBClockDataProvider::sharedInstance();
    auto first = provider->nextAlarmForToday();
    dispatch::RunLoop::main().advance(60);
    EXPECT_EQ(provider->nextAlarmForToday(), first);

    addAlarm(23, 54, true);
    EXPECT_NE(provider->nextAlarmForToday(), first);
}

TEST(SBClockDataProvider, FollowsAlarmsStoredBeforeTheHostStarted)
{
    ClockTestDevice device;
    device.boot(Monday2350 - 3600);
    addAlarm(7, 0, true);
    mobiletimer::AlarmManager::sharedManager()->saveAlarms();

    device.boot(Monday2350);
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), Tuesday0030 + 6.5 * 3600);
}

// The answers are kept between reads: each change that can move them must still show at once.
TEST(SBClockDataProvider, AnswersAgainWhenAnAlarmTheZoneOrTheClockChanges)
{
    ClockTestDevice device;
    device.boot(Monday2350 - 3600);
    auto alarm = mobiletimer::Alarm::initWithDefaultValues();
    alarm->setHour(23);
    alarm->setMinute(55);
    mobiletimer::AlarmManager::sharedManager()->addAlarm(alarm, true);
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2355);

    alarm->setMinute(50);
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2350) << "an alarm changed where it stands";
    alarm->setActive(false);
    EXPECT_EQ(announced("_nextAlarmForToday"), std::nullopt) << "an alarm turned off";
    alarm->setActive(true);

    // 23:50 in Paris is 22:50 in London, an hour later in absolute time.
    NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName("Europe/London"));
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2350 + 3600) << "another time zone";
    NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName("Europe/Paris"));

    dispatch::RunLoop::main().advance(3600);
    EXPECT_EQ(announced("_nextAlarmForToday"), std::nullopt) << "the alarm rang";
    EXPECT_EQ(announced("_firstAlarmForTomorrow"), Tuesday2350);
    dispatch::RunLoop::main().reset(Monday2350 - 60);
    EXPECT_EQ(announced("_nextAlarmForToday"), Monday2350) << "the clock set back";
}
