#pragma once

#include "dispatch/RunLoop.h"
#include "foundation/NSTimeZone.h"
#include "mobiletimer/MobileTimer.h"
#include "objc/Runtime.h"
#include "support/TemporaryDeviceRoot.h"

// Moments in Paris, seconds since 2001.
constexpr CFAbsoluteTime Monday2350 = 471221400; // 2015-12-07 23:50
constexpr CFAbsoluteTime Monday2355 = 471221700;
constexpr CFAbsoluteTime Tuesday0030 = 471223800; // 2015-12-08 00:30
constexpr CFAbsoluteTime Tuesday2350 = 471307800;

// A device in Paris with a disk of its own. Each boot starts a new simulated host process with
// the Clock store's classes registered, at the given moment.
class ClockTestDevice {
public:
    ClockTestDevice() { NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName("Europe/Paris")); }

    void boot(CFAbsoluteTime now)
    {
        objc::Runtime::beginProcess();
        dispatch::RunLoop::main().reset(now);
        mobiletimer::registerClasses();
    }

    const TemporaryDeviceRoot& disk() const { return m_disk; }

private:
    TemporaryDeviceRoot m_disk;
};
