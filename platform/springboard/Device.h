#pragma once

#include "dispatch/RunLoop.h"
#include "uikit/CGGeometry.h"

#include <set>
#include <string>

namespace springboard {

// The simulated device a host runs on: what SpringBoard would learn from the hardware and the
// system. Tests and the simulator set it; the host's classes read it.
struct Device {
    std::string systemVersion { "9.3" };
    // Classes this system lacks: the host still has them for its own use, but looking them up
    // by name finds nothing, as on a system built without them.
    std::set<std::string> missingClasses;
    CGSize screenSize { 375, 667 };
    CGFloat screenScale { 2 };
    // UIApplication's SpringBoard orientation: 1 portrait, 2 upside down, 3 and 4 landscape.
    int orientation { 1 };
    // The device's "now", seconds since 2001 (the run loop starts there).
    CFAbsoluteTime startTime { 471258330 }; // 2015-12-07 09:05:30 UTC
};

} // namespace springboard
