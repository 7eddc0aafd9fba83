// Not yet tested: the activity multipliers of the iPad and iPod rows (one
// table, read the same way as the phone rows); the bolt animation's frame order while charging.
#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "iokit/Battery.h"
#include "orblib/DeviceModel.h"
#include "platform/render/PictureCheck.h"
#include "render/ViewRenderer.h"
#include "support/host/DeviceScene.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int iPhone5S = 7;
constexpr int iPhone6 = 8;

void advance(double seconds)
{
    dispatch::RunLoop::main().advance(seconds);
}

// A device with the given model and battery, booted with Lumora loaded, and its battery overlay.
class AmpiroScene {
public:
    explicit AmpiroScene(iokit::Battery::State battery, int model = iPhone6, springboard::Device device = {})
    {
        device.model = model;
        device.sizeCode = 3;
        iokit::Battery::set(battery);
        device.battery.level = static_cast<float>(battery.level);
        device.battery.charging = battery.charging;
        m_scene = std::make_unique<DeviceScene>(std::move(device));
        overlay = LMAmpiroDisplayView::sharedInstance();
    }
    // The overlay goes before its process ends.
    ~AmpiroScene() { overlay.reset(); }

    springboard::SpringBoard& host() { return m_scene->host(); }

    // The charge the host reports, on every side of the platform.
    void setBattery(float level)
    {
        iokit::Battery::setLevel(level);
        host().setBattery(level);
    }
    void setCharging(bool charging)
    {
        iokit::Battery::setCharging(charging);
        host().setCharging(charging);
    }

    template <class View = UILabel> std::shared_ptr<View> view(std::string_view identifier) const
    {
        return DeviceScene::view<View>(*overlay, identifier);
    }
    std::string text(std::string_view identifier) const { return view(identifier)->text(); }
    // The part of the battery line drawn in the colour, or "" when none is.
    std::string coloured(const std::shared_ptr<UIColor>& color) const
    {
        std::string out;
        for (auto& run : view("batteryLabel")->attributedText()->runs()) {
            if (run.attributes.foregroundColor && run.attributes.foregroundColor->isEqual(*color))
                out += run.text;
        }
        return out;
    }

    std::shared_ptr<LMAmpiroDisplayView> overlay;

private:
    std::unique_ptr<DeviceScene> m_scene;
};

iokit::Battery::State draining(double level, int rawCurrent = 1200, int rawMax = 1800)
{
    return { .level = level, .rawMaxCapacity = rawMax, .fixedRawCurrentCapacity = rawCurrent };
}

iokit::Battery::State charging(double level, int rawCurrent, int rawMax)
{
    return {
        .level = level, .charging = true, .rawMaxCapacity = rawMax, .fixedRawCurrentCapacity = rawCurrent
    };
}

} // namespace

TEST(AmpiroDisplayView, SplitsSecondsIntoTheTwoLargestUnits)
{
    struct Case {
        std::int32_t seconds;
        const char* expected;
    } cases[] = {
        { 3600, "1 hour and 0 minutes of calling." },
        { 61, "1 minute and 1 second of calling." },
        { 1, "1 second of calling." },
        { 0, "0 seconds of calling." },
        { 7322, "2 hours and 2 minutes of calling." },
        { -2785, "-46 minutes and -25 seconds of calling." },
    };
    for (auto& each : cases) {
        EXPECT_EQ(
            LMAmpiroDisplayView::timeSplit(each.seconds, "%d %@ and %d %@ of calling.", "%d %@ of calling."),
            each.expected)
            << each.seconds;
    }
}

TEST(AmpiroDisplayView, GivesEachActivityTheTimeTheRawChargeLastsOnTheDevice)
{
    struct Case {
        int model;
        const char* label;
        const char* expected;
    } cases[] = {
        { iPhone6, "phoneLabel", "9 hours and 17 minutes of calling." },
        { iPhone6, "hdVideoLabel", "7 hours and 17 minutes of HD video." },
        { iPhone6, "wifiLabel", "7 hours and 17 minutes of internet." },
        { iPhone6, "musicLabel", "33 hours and 9 minutes of music listening." },
        { iPhone6, "standbyLabel", "159 hours and 7 minutes of standby time." },
        // 1200 × 23.08 is just under 27696 in double arithmetic: truncated, 27695.
        { iPhone5S, "phoneLabel", "7 hours and 41 minutes of calling." },
        { iPhone5S, "standbyLabel", "184 hours and 37 minutes of standby time." },
        // An unknown model takes the last row, the iPhone 6's.
        { 0, "phoneLabel", "9 hours and 17 minutes of calling." },
    };
    for (auto& each : cases) {
        AmpiroScene scene(draining(0.5), each.model);
        EXPECT_EQ(scene.text(each.label), each.expected) << each.model << " " << each.label;
    }
}

TEST(AmpiroDisplayView, ReadsTheModelIntoExactlyOneDeviceFlag)
{
    AmpiroScene iPhone(draining(0.5), iPhone5S);
    auto& device = iPhone.overlay->device();
    EXPECT_TRUE(device.iPhone5S);
    EXPECT_FALSE(device.iPhone6 || device.iPhone5 || device.iPod5);
    EXPECT_DOUBLE_EQ(iPhone.overlay->standbyTimeMultiplier(), 553.85);
}

TEST(AmpiroDisplayView, TellsWhenTheBatteryWillBeFullWhileCharging)
{
    struct Case {
        int rawCurrent;
        int rawMax;
        const char* expected;
    } cases[] = {
        { 310, 1810, "50% Charging\nBattery full in 1 hour and 30 minutes" },
        { 1200, 1800, "50% Charging\nBattery full in about 36 minutes" },
        { 1800, 1800, "50% Charging\nBattery full in about 0 minutes" },
        // More than the full capacity, or a full capacity that cannot be read: full now.
        { 3810, 1810, "50% Charging\nBattery full in about 0 minutes" },
    };
    for (auto& each : cases) {
        AmpiroScene scene(charging(0.5, each.rawCurrent, each.rawMax));
        EXPECT_EQ(scene.text("batteryLabel"), each.expected) << each.rawCurrent << "/" << each.rawMax;
        EXPECT_EQ(scene.coloured(UIColor::greenColor()), "Charging");
    }
}

TEST(AmpiroDisplayView, ShowsFullOnlyFromAWholeHundredPercent)
{
    AmpiroScene almost(charging(0.997, 1790, 1800));
    EXPECT_EQ(almost.text("batteryLabel"), "99% Charging\nBattery full in about 0 minutes");
    auto animated = almost.view<UIImageView>("animatedBigBoltView");
    EXPECT_FALSE(animated->isHidden());
    EXPECT_TRUE(animated->isAnimating());
    EXPECT_EQ(animated->animationImages().size(), 21u);
    EXPECT_TRUE(almost.view<UIImageView>("bigBoltView")->isHidden());

    AmpiroScene full(charging(1.0, 1800, 1800));
    EXPECT_EQ(full.text("batteryLabel"), "Battery fully charged\n");
    EXPECT_EQ(full.coloured(UIColor::greenColor()), "Battery fully charged\n");
    EXPECT_TRUE(full.view<UIImageView>("animatedBigBoltView")->isHidden());
    auto still = full.view<UIImageView>("bigBoltView");
    EXPECT_FALSE(still->isHidden());
    EXPECT_EQ(still->image()->name(), "Ampiro/BoltAnimated/10");
}

TEST(AmpiroDisplayView, PicksTheBoltFrameByTheTensOfPercent)
{
    struct Case {
        float level;
        const char* frame;
    } cases[] = {
        { 0, "Ampiro/BoltAnimated/0" },
        { 0.1f, "Ampiro/BoltAnimated/1" },
        { 0.105f, "Ampiro/BoltAnimated/2" },
        { 0.5f, "Ampiro/BoltAnimated/5" },
        { 1, "Ampiro/BoltAnimated/10" },
    };
    for (auto& each : cases) {
        AmpiroScene scene(draining(each.level));
        EXPECT_EQ(scene.view<UIImageView>("bigBoltView")->image()->name(), each.frame) << each.level;
    }
}

// Unplugged at 50 %, one percent is lost every 600 seconds; the updates come every 30 seconds
// from the overlay's creation, so each drop is seen at the update after it.
TEST(AmpiroDisplayView, EstimatesTheTimeToEmptyFromTheSecondTimedDrop)
{
    AmpiroScene scene(draining(0.5));
    auto calibrating = "Calibrating Initial Battery Drain Rate...\n(this may take a while)";
    EXPECT_EQ(scene.text("batteryLabel"), calibrating);
    EXPECT_TRUE(scene.overlay->inTimeCountingState());

    // The first drop ends an interval that began part-way through a percent: no figure.
    advance(15);
    scene.setBattery(0.49f);
    advance(15);
    EXPECT_TRUE(scene.overlay->hasAlreadyDecreasedAtLeastOnce());
    EXPECT_FALSE(scene.overlay->inTimeCountingState());
    EXPECT_EQ(scene.overlay->timeLeft(), -1);
    advance(30);
    EXPECT_TRUE(scene.overlay->inTimeCountingState());
    EXPECT_EQ(scene.text("batteryLabel"), calibrating);

    // 570 seconds counted when the drop to 48 % is seen: 570 × 48.
    advance(560);
    scene.setBattery(0.48f);
    advance(10);
    // The tick of that same second shows the figure and counts it down.
    EXPECT_EQ(scene.overlay->secondsSinceLastBatteryPercentageChange(), 570);
    EXPECT_EQ(scene.text("batteryLabel"), "48% Draining\nBattery empty in 7 hours and 36 minutes");
    EXPECT_EQ(scene.coloured(UIColor::redColor()), "Draining");
    EXPECT_EQ(scene.overlay->timeLeft(), 27360 - 1);

    // The next interval starts 29 seconds later and the drop to 47 % is seen 570 seconds on; the
    // figure of that drop is averaged with what the countdown has reached.
    advance(30 + 560);
    scene.setBattery(0.47f);
    advance(10);
    std::int32_t countdown = 27360 - 600;
    EXPECT_EQ(scene.overlay->secondsSinceLastBatteryPercentageChange(), 570);
    EXPECT_EQ(scene.overlay->timeLeft(), (countdown + 570 * 47) / 2 - 1);
}

TEST(AmpiroDisplayView, AveragesAFigureWithTheRunningEstimateWithoutOverflowing)
{
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t timeLeft;
        std::int32_t seconds;
        double percentage;
        std::int32_t expected;
    } cases[] = {
        { -1, 570, 48, 27360 },
        { 20000, 570, 47, 23395 },
        { 20001, 1, 0, 10000 },
        // A drop to 0 % gives a figure of 0: nothing to count down, nothing divided by it.
        { -1, 570, 0, 0 },
        { 100, 570, 0, 50 },
        { -1, highest, 100, highest },
        { highest, highest, 100, highest },
        { highest, highest, 1, highest },
    };
    for (auto& each : cases) {
        EXPECT_EQ(
            LMAmpiroDisplayView::drainEstimate(each.timeLeft, each.seconds, each.percentage), each.expected)
            << each.timeLeft << " " << each.seconds << " " << each.percentage;
    }
}

TEST(AmpiroDisplayView, StopsTheCountdownWithinATickOfPluggingIn)
{
    AmpiroScene scene(draining(0.5));
    advance(15);
    scene.setBattery(0.49f);
    advance(605);
    scene.setBattery(0.48f);
    advance(11);
    ASSERT_GT(scene.overlay->timeLeft(), 0);
    ASSERT_NE(scene.text("batteryLabel").find("Draining"), std::string::npos);

    scene.setCharging(true);
    advance(1);
    EXPECT_EQ(scene.overlay->timeLeft(), -1);
    EXPECT_FALSE(scene.overlay->inTimeCountingState());
    EXPECT_FALSE(scene.overlay->hasAlreadyDecreasedAtLeastOnce());
    EXPECT_EQ(scene.text("batteryLabel"), "48% Charging\nBattery full in about 36 minutes");
    advance(5);
    EXPECT_EQ(scene.text("batteryLabel"), "48% Charging\nBattery full in about 36 minutes");
}

TEST(AmpiroDisplayView, ReadsAnUnreadableOrAbsurdCapacityWithoutUndefinedArithmetic)
{
    iokit::Battery::State withoutCapacities;
    withoutCapacities.level = 0.5;
    AmpiroScene unreadable(withoutCapacities);
    EXPECT_EQ(unreadable.text("phoneLabel"), "-46 minutes and -25 seconds of calling.");

    AmpiroScene huge(draining(0.5, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()));
    EXPECT_EQ(huge.text("standbyLabel"), "596523 hours and 14 minutes of standby time.");
}

// Upright the battery and the activity icons are drawn in units of 50 points, on its side 25.
TEST(AmpiroDisplayView, LaysOutAndDrawsTheOverlayUprightAndOnItsSide)
{
    const std::pair<int, const char*> orientations[]
        = { { 1, "battery-overlay-portrait" }, { 3, "battery-overlay-landscape" } };
    for (auto [orientation, reference] : orientations) {
        AmpiroScene scene(draining(0.47));
        scene.host().setOrientation(orientation);
        scene.overlay->show();
        advance(1);
        EXPECT_TRUE(matchesExpectedLayout(*scene.overlay, reference, "tests/LMAmpiro"));
        render::ViewRenderer renderer(2);
        EXPECT_TRUE(matchesReference(renderer.render(*scene.overlay), reference, "tests/LMAmpiro/reference"));
    }
}
