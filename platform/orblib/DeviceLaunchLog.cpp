#include "orblib/DeviceLaunchLog.h"

#include <mutex>

namespace orblib {
namespace {

struct Log {
    std::mutex mutex;
    std::vector<DeviceLaunchLog::Launch> launches;
    // How many launches were cleared before the first one kept.
    std::uint64_t cleared { 0 };
};

Log& log()
{
    static Log instance;
    return instance;
}

} // namespace

std::vector<DeviceLaunchLog::Launch> DeviceLaunchLog::launches()
{
    std::lock_guard lock(log().mutex);
    return log().launches;
}

std::uint64_t DeviceLaunchLog::record(Launch launch)
{
    std::lock_guard lock(log().mutex);
    log().launches.push_back(std::move(launch));
    return log().cleared + log().launches.size() - 1;
}

void DeviceLaunchLog::markOpened(std::uint64_t launch)
{
    std::lock_guard lock(log().mutex);
    if (launch >= log().cleared && launch - log().cleared < log().launches.size())
        log().launches[launch - log().cleared].opened = true;
}

void DeviceLaunchLog::clear()
{
    std::lock_guard lock(log().mutex);
    log().cleared += log().launches.size();
    log().launches.clear();
}

} // namespace orblib
