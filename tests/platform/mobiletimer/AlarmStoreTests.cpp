// Not yet tested: a disk that cannot be written.
#include "contracts/Alarm.h"
#include "contracts/AlarmManager.h"
#include "foundation/DeviceFileSystem.h"
#include "foundation/NSDate.h"
#include "mobiletimer/AlarmManager.h"
#include "objc/ClassRef.h"
#include "platform/mobiletimer/ClockTestDevice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

objc::ClassRef alarmClass { "Alarm" };
objc::ClassRef alarmManagerClass { "AlarmManager" };

// The way the clock overlay sets an alarm: through the classes found by name.
void setAlarmThroughTheStore(int hour, int minute, bool save = true)
{
    auto alarm = contracts::make<contracts::Alarm>(alarmClass, contracts::Alarm::initWithDefaultValues);
    ASSERT_NE(alarm, nullptr);
    alarm->setAllowsSnooze(true);
    alarm->setHour(hour);
    alarm->setMinute(minute);
    alarm->setTitle("");
    auto manager = contracts::shared<contracts::AlarmManager>(
        alarmManagerClass, contracts::AlarmManager::sharedManager);
    ASSERT_NE(manager, nullptr);
    manager->loadAlarms();
    manager->addAlarm(alarm, true);
    if (save)
        manager->saveAlarms();
}

std::vector<std::string> storedAlarms()
{
    std::vector<std::string> described;
    for (auto& alarm : mobiletimer::AlarmManager::sharedManager()->alarms()) {
        auto& settings = alarm->settings();
        described.push_back(std::to_string(settings.hour) + ":" + std::to_string(settings.minute) + " '"
            + settings.title + "'" + (settings.allowsSnooze ? " snooze" : "")
            + (alarm->isActive() ? " active" : ""));
    }
    return described;
}

} // namespace

TEST(AlarmStore, KeepsSavedAlarmsAcrossARestartOfTheHostButNotUnsavedOnes)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    setAlarmThroughTheStore(0, 30);
    setAlarmThroughTheStore(12, 0);
    setAlarmThroughTheStore(6, 15, false);
    EXPECT_EQ(storedAlarms(),
        (std::vector<std::string> {
            "0:30 '' snooze active", "12:0 '' snooze active", "6:15 '' snooze active" }));
    auto identity = mobiletimer::AlarmManager::sharedManager()->alarms()[0]->settings().alarmId;

    device.boot(Tuesday0030);
    EXPECT_EQ(
        storedAlarms(), (std::vector<std::string> { "0:30 '' snooze active", "12:0 '' snooze active" }));
    EXPECT_EQ(mobiletimer::AlarmManager::sharedManager()->alarms()[0]->settings().alarmId, identity);
}

TEST(AlarmStore, StartsAlarmsWithDefaultsAndGivesEachItsOwnIdentity)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto first = mobiletimer::Alarm::initWithDefaultValues();
    auto second = mobiletimer::Alarm::initWithDefaultValues();
    EXPECT_EQ(first->settings().hour, 7);
    EXPECT_EQ(first->settings().minute, 0);
    EXPECT_TRUE(first->settings().allowsSnooze);
    EXPECT_FALSE(first->isActive());
    EXPECT_NE(first->settings().alarmId, second->settings().alarmId);

    EXPECT_THROW(first->setHour(24), std::out_of_range);
    EXPECT_THROW(first->setMinute(-1), std::out_of_range);
    EXPECT_EQ(first->settings().hour, 7);
}

TEST(AlarmStore, AddingAnAlarmAgainUpdatesItInPlace)
{
    ClockTestDevice device;
    device.boot(Monday2350);
    auto manager = mobiletimer::AlarmManager::sharedManager();
    auto alarm = mobiletimer::Alarm::initWithDefaultValues();
    manager->addAlarm(alarm, true);
    manager->addAlarm(mobiletimer::Alarm::initWithDefaultValues(), false);
    alarm->setHour(9);
    manager->addAlarm(alarm, false);
    manager->addAlarm(nullptr, true);
    EXPECT_EQ(storedAlarms(), (std::vector<std::string> { "9:0 'Alarm' snooze", "7:0 'Alarm' snooze" }));
}

TEST(AlarmStore, LeavesOutStoredEntriesThatAreNotAlarms)
{
    ClockTestDevice device;
    device.disk().write("/private/var/mobile/Library/Preferences/com.apple.mobiletimer.plist",
        R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>Alarms</key><array>
  <dict><key>id</key><string>A</string><key>hour</key><integer>7</integer><key>minute</key><integer>5</integer><key>active</key><true/></dict>
  <dict><key>id</key><string>A</string><key>hour</key><integer>8</integer><key>minute</key><integer>0</integer></dict>
  <dict><key>id</key><string></string><key>hour</key><integer>8</integer><key>minute</key><integer>0</integer></dict>
  <dict><key>id</key><string>B</string><key>hour</key><integer>24</integer><key>minute</key><integer>0</integer></dict>
  <dict><key>id</key><string>C</string><key>hour</key><string>8</string><key>minute</key><integer>0</integer></dict>
  <dict><key>id</key><string>D</string><key>hour</key><integer>8</integer></dict>
  <dict><key>id</key><string>E</string><key>hour</key><integer>8</integer><key>minute</key><integer>60</integer></dict>
  <string>not an alarm</string>
  <dict><key>id</key><string>F</string><key>hour</key><integer>23</integer><key>minute</key><integer>59</integer><key>title</key><string>Late</string><key>allowsSnooze</key><false/></dict>
</array></dict></plist>)");
    device.boot(Monday2350);
    EXPECT_EQ(storedAlarms(), (std::vector<std::string> { "7:5 '' snooze active", "23:59 'Late'" }));

    device.disk().write(
        "/private/var/mobile/Library/Preferences/com.apple.mobiletimer.plist", "not a property list");
    testing::internal::CaptureStderr();
    mobiletimer::AlarmManager::sharedManager()->loadAlarms();
    mobiletimer::AlarmManager::sharedManager()->loadAlarms();
    auto reported = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(storedAlarms().empty());
    EXPECT_EQ(reported.find("is not a property list"), reported.rfind("is not a property list"));
}

TEST(AlarmStore, ASaveCutShortAtAnyStepLeavesTheAlarmsSavedBefore)
{
    using Step = foundation::DeviceFileSystem::WriteStep;
    ClockTestDevice device;
    device.boot(Monday2350);
    setAlarmThroughTheStore(6, 15);
    for (auto step : { Step::create, Step::write, Step::flush, Step::rename }) {
        SCOPED_TRACE(static_cast<int>(step));
        foundation::DeviceFileSystem::failNextWriteAt(step);
        setAlarmThroughTheStore(7, 0);
        device.boot(Monday2350);
        EXPECT_EQ(storedAlarms(), (std::vector<std::string> { "6:15 '' snooze active" }));
    }
}

TEST(AlarmStore, NextFireDateIsTheNextTimeOfDayInTheDevicesTimeZone)
{
    ClockTestDevice device;
    struct Case {
        CFAbsoluteTime now;
        int hour, minute;
        CFAbsoluteTime expected;
    } cases[] = {
        { Monday2350, 23, 55, Monday2355 }, { Monday2350, 0, 30, Tuesday0030 },
        { Monday2350, 23, 50, Tuesday2350 }, // not again at the very moment
        { Monday2350 + 1, 23, 50, Tuesday2350 }, { Monday2350 - 1, 23, 50, Monday2350 },
        { 480672000, 8, 0, 480751200 }, // Saturday 09:00 to Sunday 08:00, over the change to summer time
    };
    for (auto& [now, hour, minute, expected] : cases) {
        device.boot(now);
        auto alarm = mobiletimer::Alarm::initWithDefaultValues();
        alarm->setHour(hour);
        alarm->setMinute(minute);
        auto fireDate = alarm->nextFireDate();
        ASSERT_NE(fireDate, nullptr);
        EXPECT_EQ(fireDate->timeIntervalSinceReferenceDate(), expected)
            << hour << ":" << minute << " at " << now;
    }
}
