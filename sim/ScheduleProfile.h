#pragma once

#include <string>

class ProfileReader;
struct DeviceProfile;

// The profile keys of the device's calendar database and notifications: `calendars`, `events`,
// `reminders`, `notifications` (sim/README.md). Dates may be relative to the profile's `now`,
// read before. Throws InputError naming the key.
class ScheduleProfile {
public:
    static void read(const ProfileReader& profile, const std::string& folder, DeviceProfile&);
};
