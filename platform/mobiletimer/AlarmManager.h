#pragma once

#include "contracts/AlarmManager.h"
#include "mobiletimer/Alarm.h"
#include "objc/NSObject.h"

#include <memory>
#include <vector>

namespace mobiletimer {

// The Clock's alarms. They live in the Clock's file on the device's disk: the manager reads
// them when it is made and on loadAlarms, and writes them on saveAlarms, so alarms saved before
// the host restarts are there after it. Unsaved changes already count for SBClockDataProvider,
// as the platform schedules an alarm's notification when it is added. Stored entries that are
// not alarms are left out.
class AlarmManager : public NSObject, public contracts::AlarmManager {
    OBJC_CLASS(AlarmManager, NSObject)
public:
    static std::shared_ptr<AlarmManager> sharedManager();
    static std::shared_ptr<AlarmManager> create();

    // Replaces the alarms in memory with the stored ones.
    void loadAlarms() override;
    // Adds the alarm, or updates the one with its identity. Nothing for nothing; an alarm of
    // another kind is refused with std::invalid_argument.
    void addAlarm(const std::shared_ptr<contracts::Alarm>&, bool active) override;
    void saveAlarms() override;

    // In the order they were first added.
    const std::vector<std::shared_ptr<Alarm>>& alarms() const { return m_alarms; }

    // Makes the class, with its class-side sharedManager, findable by name.
    static void registerClass();

    // not implemented: removing and editing alarms through the manager

private:
    std::vector<std::shared_ptr<Alarm>> m_alarms;
};

} // namespace mobiletimer
