#include "uikit/NSProcessInfo.h"

#include <atomic>

namespace {

std::atomic<bool> s_lowPowerModeEnabled { false };

} // namespace

std::shared_ptr<NSProcessInfo> NSProcessInfo::processInfo()
{
    static const auto processInfo = std::make_shared<NSProcessInfo>();
    return processInfo;
}

bool NSProcessInfo::isLowPowerModeEnabled() const
{
    return s_lowPowerModeEnabled.load();
}

void NSProcessInfo::setLowPowerModeEnabled(bool enabled)
{
    s_lowPowerModeEnabled.store(enabled);
}
