#pragma once

#include "LMAmpiro/LMAmpiroDevice.h"
#include "base/LMKeptLabelText.h"
#include "contracts/IOKit.h"
#include "overlays/LMDisplayOverlay.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class NSBundle;
class NSTimer;
class UIColor;
class UIImage;
class UIImageView;
class UILabel;
class UIView;

// The battery overlay: the charge, the time to full or to empty, and the time left for common
// activities. From its creation its sampling runs for the life of the process, shown or not: every
// 30 seconds it reads the charge and the raw capacities, and every second it counts the running
// drop interval and the estimate down.
class LMAmpiroDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMAmpiroDisplayView, LMDisplayOverlay)
public:
    using Device = LMAmpiroDevice;

    static std::shared_ptr<LMAmpiroDisplayView> sharedInstance();
    // Makes the overlay (what `new` does) and starts its timers; nothing when the base could not
    // be made.
    static std::shared_ptr<LMAmpiroDisplayView> create();

    void updateFrame() override;

    // The 30-second update: charge, charger, bolt, drop timing and the activity lines.
    void AmpiroUpdate(NSTimer*);
    // The 1-second tick: a charger change, the interval count and the countdown.
    void AmpiroBatterySecondsUpdate(NSTimer*);
    static std::int32_t isecFromSeconds(std::int32_t seconds) { return seconds; }

    void determineDevice();
    const Device& device() const { return m_device; }
    // Seconds of each activity per unit of raw remaining capacity.
    double phoneTimeMultiplier() const;
    double hdVideoTimeMultiplier() const;
    double wifiTimeMultiplier() const;
    double musicTimeMultiplier() const;
    double standbyTimeMultiplier() const;

    double currentBatteryPercentage() const { return m_currentBatteryPercentage; }
    bool inTimeCountingState() const { return m_inTimeCountingState; }
    bool hasAlreadyDecreasedAtLeastOnce() const { return m_hasAlreadyDecreasedAtLeastOnce; }
    // The drain estimate in seconds; -1 while there is none.
    std::int32_t timeLeft() const { return m_timeLeft; }
    std::int32_t secondsSinceLastBatteryPercentageChange() const
    {
        return m_secondsSinceLastBatteryPercentageChange;
    }
    std::int32_t secondsSinceLastBatteryPercentageChangeCounter() const
    {
        return m_secondsSinceLastBatteryPercentageChangeCounter;
    }

    // The estimate after a timed drop to `percentage` that took `seconds`: that drop's figure, or
    // its average with the running one.
    static std::int32_t drainEstimate(std::int32_t timeLeft, std::int32_t seconds, double percentage);
    // "h hours and m minutes", "m minutes and s seconds" or "s seconds", put into a format taking
    // one or two number and word pairs.
    static std::string timeSplit(
        std::int32_t seconds, std::string_view twoPartFormat, std::string_view onePartFormat);

protected:
    bool resetsLockScreenDim() const override;

private:
    static constexpr size_t boltFrameCount = 11;
    static constexpr size_t activityCount = 5;

    struct Activity {
        std::shared_ptr<UIImageView> imageView;
        std::shared_ptr<UILabel> label;
    };

    void buildContent();
    void buildBattery();
    void buildActivities();
    void showCharging(double rawCurrent, double rawFull);
    void showFullyCharged();
    void showDraining();
    void timeDrop();
    void showActivityTimes(double rawCurrent);
    void showCountdown();
    std::shared_ptr<UIImage> bundleImage(std::string_view name, CGSize size) const;

    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<NSBundle> m_bundle;
    std::shared_ptr<UIImageView> m_animatedBigBoltView;
    std::shared_ptr<UIImageView> m_bigBoltView;
    // boltFrameZero to boltFrameTen.
    std::array<std::shared_ptr<UIImage>, boltFrameCount> m_boltFrames;
    std::shared_ptr<UIView> m_batteryContainerView;
    // Phone, HD video, internet, music, standby.
    std::array<Activity, activityCount> m_activities;
    std::shared_ptr<UILabel> m_batteryLabel;
    Device m_device;
    io_service_t m_powerSource { IO_OBJECT_NULL };

    double m_currentBatteryPercentage { -1.0 };
    double m_previousBatteryPercentage { -1.0 };
    bool m_inTimeCountingState { false };
    bool m_hasAlreadyDecreasedAtLeastOnce { false };
    std::int32_t m_timeLeft { -1 };
    std::int32_t m_secondsSinceLastBatteryPercentageChange { 0 };
    std::int32_t m_secondsSinceLastBatteryPercentageChangeCounter { 0 };
    bool m_chargerWasPluggedIn { false };
    LMKeptLabelText<std::string> m_countdownText;
};
