#include "uikit/NSProcessInfo.h"

#include <atomic>

namespace {

std::atomic<bool> s_lowPowerModeEnabled { false };

} // namespace

std::shared_ptr<NSProcessInfo> NSProcessInfo::processInfo()
{
    // One for the whole OS process, whichever simulated process asks first.
    static const auto processInfo = [] {
        auto made = std::make_shared<NSProcessInfo>();
        objc::keepAcrossProcesses(*made);
        return made;
    }();
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
