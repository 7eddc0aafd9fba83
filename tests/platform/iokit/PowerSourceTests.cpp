// Not yet tested: reads from several threads at once.
#include "contracts/IOKit.h"
#include "dispatch/RunLoop.h"
#include "iokit/Battery.h"
#include "iokit/CFObjects.h"
#include "objc/Runtime.h"
#include "platform/iokit/TestBattery.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

io_service_t powerSource()
{
    return IOServiceGetMatchingService(kIOMainPortDefault, IOServiceMatching("IOPMPowerSource"));
}

// What the battery overlay does: -100 stands for a value that cannot be read.
double read(io_service_t service, CFStringRef key)
{
    double value = -100.0;
    auto number
        = static_cast<CFNumberRef>(IORegistryEntryCreateCFProperty(service, key, kCFAllocatorDefault, 0));
    if (number) {
        CFNumberGetValue(number, kCFNumberCGFloatType, &value);
        CFRelease(number);
    }
    return value;
}

} // namespace

TEST(PowerSource, AnswersTheBatterysRawCapacitiesAndLeavesNothingBehind)
{
    objc::Runtime::beginProcess();
    dispatch::RunLoop::main().reset(0);
    auto before = iokit::liveObjectCount();
    iokit::Battery::set(batteryAt(0.5, -0.36, 1800));

    auto service = powerSource();
    ASSERT_NE(service, IO_OBJECT_NULL);
    EXPECT_EQ(read(service, CFSTR("AppleRawMaxCapacity")), 1800);
    EXPECT_EQ(read(service, CFSTR("AppleRawCurrentCapacity")), 900);
    dispatch::RunLoop::main().advance(1000);
    EXPECT_EQ(read(service, CFSTR("AppleRawCurrentCapacity")), 720);

    iokit::Battery::set(batteryAt(0.5, 0, 1810, 310));
    EXPECT_EQ(read(service, CFSTR("AppleRawCurrentCapacity")), 310);
    EXPECT_EQ(iokit::liveObjectCount(), before);
}

TEST(PowerSource, AnswersNothingForWhatItLacks)
{
    objc::Runtime::beginProcess();
    dispatch::RunLoop::main().reset(0);
    iokit::Battery::set(batteryAt(0.5));
    auto service = powerSource();

    EXPECT_EQ(read(service, CFSTR("AppleRawCurrentCapacity")), -100.0);
    EXPECT_EQ(read(service, CFSTR("AppleRawMaxCapacity")), -100.0);
    iokit::Battery::set(batteryAt(0.5, 0, 1800));
    EXPECT_EQ(read(service, CFSTR("CurrentCapacity")), -100.0);
    EXPECT_EQ(read(service, nullptr), -100.0);
    EXPECT_EQ(read(IO_OBJECT_NULL, CFSTR("AppleRawMaxCapacity")), -100.0);
    EXPECT_EQ(IOServiceGetMatchingService(kIOMainPortDefault, IOServiceMatching("AppleSmartBattery")),
        IO_OBJECT_NULL);
    EXPECT_EQ(IOServiceGetMatchingService(kIOMainPortDefault, nullptr), IO_OBJECT_NULL);
}

TEST(PowerSource, ConvertsOnlyToTheTypeItKnows)
{
    iokit::Battery::set(batteryAt(1, 0, 1800));
    auto number = static_cast<CFNumberRef>(
        IORegistryEntryCreateCFProperty(powerSource(), CFSTR("AppleRawMaxCapacity"), kCFAllocatorDefault, 0));
    double value = -1;
    EXPECT_FALSE(CFNumberGetValue(number, 3, &value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(CFNumberGetValue(number, kCFNumberCGFloatType, &value));
    EXPECT_EQ(value, 1800);
    CFRelease(number);
    EXPECT_FALSE(CFNumberGetValue(number, kCFNumberCGFloatType, &value));
}

TEST(PowerSource, RefusesToReleaseWhatIsGoneButKeepsConstantStrings)
{
    iokit::Battery::set(batteryAt(1, 0, 1800));
    auto number = IORegistryEntryCreateCFProperty(
        powerSource(), CFSTR("AppleRawMaxCapacity"), kCFAllocatorDefault, 0);
    CFRelease(number);
    EXPECT_THROW(CFRelease(number), std::logic_error);
    EXPECT_THROW(CFRelease(nullptr), std::logic_error);

    auto key = CFSTR("AppleRawMaxCapacity");
    CFRelease(key);
    EXPECT_EQ(key, CFSTR("AppleRawMaxCapacity"));
    EXPECT_EQ(iokit::stringText(key), "AppleRawMaxCapacity");
}
