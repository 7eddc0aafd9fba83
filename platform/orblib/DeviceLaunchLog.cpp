#include "orblib/DeviceLaunchLog.h"

#include <mutex>

namespace orblib {
namespace {

struct Log {
    std::mutex mutex;
    std::vector<DeviceLaunchLog::Launch> launches;
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

void DeviceLaunchLog::record(Launch launch)
{
    std::lock_guard lock(log().mutex);
    log().launches.push_back(std::move(launch));
}

void DeviceLaunchLog::clear()
{
    std::lock_guard lock(log().mutex);
    log().launches.clear();
}

} // namespace orblib
