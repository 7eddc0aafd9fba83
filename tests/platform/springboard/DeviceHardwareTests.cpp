#include "HostCallLog.h"

#include "springboard/FBRootWindow.h"

#include "contracts/SBUIController.h"
#include "iokit/Battery.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceModel.h"
#include "uikit/NSProcessInfo.h"
#include "uikit/UILabel.h"

using namespace springboard;

namespace {

// The battery belongs to the device and outlives a host: each test starts from a fresh one.
class DeviceHardware : public ::testing::Test {
protected:
    void SetUp() override { iokit::Battery::set({}); }
    void TearDown() override { iokit::Battery::set({}); }

    void boot(Device device = {})
    {
        m_host = std::make_unique<SpringBoard>(std::move(device));
        m_host->buildWindows();
    }

    SpringBoard& host() { return *m_host; }
    std::shared_ptr<contracts::SBUIController> uiController()
    {
        return contracts::shared<contracts::SBUIController>(objc_getClass("SBUIController"));
    }
    std::string textOf(const std::string& identifier)
    {
        auto label = objc::cast<UILabel>(findView(host().rootWindow(), identifier));
        return label ? label->text() : "(no label " + identifier + ")";
    }

    std::unique_ptr<SpringBoard> m_host;
};

} // namespace

TEST_F(DeviceHardware, BatteryCapacityFollowsTheDrainInWholePercentsOverVirtualTime)
{
    Device device;
    device.battery.level = 0.5f;
    boot(device);
    // 0.2 % a minute.
    iokit::Battery::setRatePerHour(-0.12);
    struct Step {
        NSTimeInterval minutes;
        float capacity;
    };
    const Step steps[] = { { 0, 0.5f }, { 10, 0.48f }, { 1, 0.48f }, { 4, 0.47f }, { 235, 0 } };
    for (auto& step : steps) {
        dispatch::RunLoop::main().advance(step.minutes * 60);
        EXPECT_FLOAT_EQ(uiController()->batteryCapacity(), step.capacity)
            << "after " << step.minutes << " more minutes";
    }

    iokit::Battery::setLevel(0.473);
    host().batteryChanged();
    EXPECT_EQ(textOf("statusBarBatteryPercent"), "47%") << "the status bar follows once told";
}

TEST_F(DeviceHardware, TheHostsBatteryEventsWriteTheBatteryAndEverythingFollowsIt)
{
    boot();
    auto controller = uiController();
    host().setBattery(0.2f);
    EXPECT_DOUBLE_EQ(iokit::Battery::level(), 0.2f);
    EXPECT_FLOAT_EQ(controller->batteryCapacity(), 0.2f);

    host().setCharging(true);
    EXPECT_TRUE(iokit::Battery::state().charging);
    EXPECT_TRUE(controller->isOnAC());
    EXPECT_EQ(textOf("_chargePercentLabel"), "20%");

    host().setLowPowerMode(true);
    EXPECT_TRUE(iokit::Battery::state().lowPowerMode);
    EXPECT_TRUE(NSProcessInfo::processInfo()->isLowPowerModeEnabled());

    host().setCharging(false);
    EXPECT_FALSE(controller->isOnAC());
    EXPECT_FALSE(findView(host().rootWindow(), "_batteryChargingView"));
}

TEST_F(DeviceHardware, BootLoadsTheDevicesBatteryKeepingTheRateAndCapacitiesTheHardwareHas)
{
    iokit::Battery::set(
        { .level = 1, .ratePerHour = -0.1, .rawMaxCapacity = 1810, .fixedRawCurrentCapacity = {} });
    Device device;
    device.battery = { 0.42f, true, true };
    boot(device);
    auto battery = iokit::Battery::state();
    EXPECT_FLOAT_EQ(static_cast<float>(battery.level), 0.42f);
    EXPECT_TRUE(battery.charging);
    EXPECT_TRUE(battery.lowPowerMode);
    EXPECT_DOUBLE_EQ(battery.ratePerHour, -0.1);
    EXPECT_EQ(battery.rawMaxCapacity, 1810);
    EXPECT_TRUE(NSProcessInfo::processInfo()->isLowPowerModeEnabled());
    EXPECT_EQ(textOf("statusBarBatteryPercent"), "42%");
}

TEST_F(DeviceHardware, BootGivesTheSupportLibraryTheDevicesModelAppsAndSwitcher)
{
    boot();
    EXPECT_EQ(orblib::DeviceModel::versionCode(), 8);
    EXPECT_EQ(orblib::DeviceModel::sizeCode(), 3);
    for (auto identifier : { "com.apple.mobiletimer", "com.apple.mobilecal", "com.apple.reminders",
             "com.apple.MobileSMS", "com.apple.mobilemail", "com.apple.Music" })
        EXPECT_TRUE(orblib::DeviceApps::app(identifier)) << identifier;
    EXPECT_EQ(orblib::DeviceApps::app("com.apple.mobiletimer")->displayName, "Clock");
    EXPECT_FALSE(orblib::DeviceApps::switcher().empty());

    Device device;
    device.model = 10;
    device.sizeCode = 4;
    device.applications = { { "com.example.notes", "Notes", nullptr, "/Applications/Notes.app/Icon.png" },
        { "com.example.maps", "Maps" } };
    device.switcherOrder = { "com.example.maps", "com.example.notes" };
    boot(device);
    EXPECT_EQ(orblib::DeviceModel::versionCode(), 10);
    EXPECT_EQ(orblib::DeviceModel::sizeCode(), 4);
    auto apps = orblib::DeviceApps::apps();
    ASSERT_EQ(apps.size(), 2u);
    EXPECT_EQ(apps[0].displayName, "Notes");
    EXPECT_EQ(apps[0].iconPath, "/Applications/Notes.app/Icon.png");
    EXPECT_EQ(apps[1].bundleIdentifier, "com.example.maps");
    EXPECT_EQ(orblib::DeviceApps::switcher(), device.switcherOrder);
}
