#include "support/host/IdleCountdownRecorder.h"

#include "contracts/SBBacklightController.h"
#include "objc/Substrate.h"

namespace {

std::function<std::string()> s_probe;
objc::IMP<double> s_previousDimInterval;

double recordingDimInterval(id self, SEL cmd)
{
    recordedEvents().push_back("idle countdown restarted: " + s_probe());
    return s_previousDimInterval(self, cmd);
}

} // namespace

std::vector<std::string>& recordedEvents()
{
    static std::vector<std::string> events;
    return events;
}

void recordIdleCountdownRestarts(std::function<std::string()> probe)
{
    recordedEvents().clear();
    s_probe = std::move(probe);
    MSHookMessageEx(objc_getClass("SBBacklightController"),
        contracts::SBBacklightController::defaultLockScreenDimInterval.selector(), &recordingDimInterval,
        &s_previousDimInterval);
}
