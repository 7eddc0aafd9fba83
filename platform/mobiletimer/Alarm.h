#pragma once

#include "contracts/Alarm.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>

namespace mobiletimer {

// One alarm of the Clock store: a time of day in the device's time zone that rings every day
// while the alarm is active.
class Alarm : public NSObject, public contracts::Alarm {
    OBJC_CLASS(Alarm, NSObject)
public:
    struct Settings {
        // Unique on the device, kept across restarts.
        std::string alarmId;
        int hour { 7 };
        int minute { 0 };
        std::string title { "Alarm" };
        bool allowsSnooze { true };

        bool operator==(const Settings&) const = default;
    };

    explicit Alarm(Settings);
    // 07:00, "Alarm", snooze allowed, inactive until it is added as active, with a new identity.
    static std::shared_ptr<Alarm> initWithDefaultValues();
    // The alarm a notification of SBClockDataProvider stands for; nothing for any other object.
    static std::shared_ptr<Alarm> initWithNotification(const std::shared_ptr<NSObject>&);

    const Settings& settings() const { return m_settings; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    void setAllowsSnooze(bool) override;
    // An hour outside 0..23 or a minute outside 0..59 is refused with std::out_of_range.
    void setHour(int) override;
    void setMinute(int) override;
    void setTitle(const std::string&) override;
    // The first moment after now at the alarm's hour and minute in the device's time zone.
    std::shared_ptr<NSDate> nextFireDate() override;

    // Makes the class, with its class-side initialisers, findable by name.
    static void registerClass();

    // not implemented: repeat days, sounds, ringing and snoozing

private:
    std::shared_ptr<NSDate> nextFireDateAfter(const std::shared_ptr<NSDate>& now) const;

    Settings m_settings;
    bool m_active { false };
};

} // namespace mobiletimer
