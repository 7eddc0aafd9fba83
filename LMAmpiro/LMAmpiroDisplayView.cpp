#include "LMAmpiro/LMAmpiroDisplayView.h"

#include "LMAmpiro/LMAmpiroText.h"

#include "base/LMResourceBundle.h"
#include "base/LMSpringBoard.h"
#include "contracts/OBImageFactory.h"
#include "contracts/OBiOSVersion.h"
#include "contracts/SBUIController.h"
#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSBundle.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view calibratingText
    = "Calibrating Initial Battery Drain Rate...\n(this may take a while)";
constexpr double unreadableCapacity = -100.0;
constexpr CGSize boltSize { 100, 100 };
constexpr CGSize activityIconSize { 50, 50 };

struct ActivityDescription {
    const char* imageName;
    const char* imageViewField;
    const char* labelField;
    const char* ending;
    double verticalPosition;
    double (LMAmpiroDisplayView::*multiplier)() const;
};

const ActivityDescription activityDescriptions[] = {
    { "Ampiro/Phone", "phoneImageView", "phoneLabel", " of calling.", 0.3,
        &LMAmpiroDisplayView::phoneTimeMultiplier },
    { "Ampiro/HDVideo", "hdVideoImageView", "hdVideoLabel", " of HD video.", 0.44,
        &LMAmpiroDisplayView::hdVideoTimeMultiplier },
    { "Ampiro/Wifi", "wifiImageView", "wifiLabel", " of internet.", 0.58,
        &LMAmpiroDisplayView::wifiTimeMultiplier },
    { "Ampiro/Music", "musicImageView", "musicLabel", " of music listening.", 0.72,
        &LMAmpiroDisplayView::musicTimeMultiplier },
    { "Ampiro/Standby", "standbyImageView", "standbyLabel", " of standby time.", 0.86,
        &LMAmpiroDisplayView::standbyTimeMultiplier },
};

// A capacity that is missing, not a number or not finite reads as unreadable.
double rawCapacity(io_service_t powerSource, CFStringRef key)
{
    CFTypeRef property = IORegistryEntryCreateCFProperty(powerSource, key, kCFAllocatorDefault, 0);
    if (!property)
        return unreadableCapacity;
    double value = unreadableCapacity;
    if (!CFNumberGetValue(static_cast<CFNumberRef>(property), kCFNumberCGFloatType, &value)
        || !std::isfinite(value))
        value = unreadableCapacity;
    CFRelease(property);
    return value;
}

std::shared_ptr<contracts::SBUIController> uiController()
{
    static objc::ClassRef uiControllerClass { "SBUIController" };
    return contracts::shared<contracts::SBUIController>(uiControllerClass);
}

bool isOnAC()
{
    auto controller = uiController();
    return controller && controller->isOnAC();
}

} // namespace

using LMAmpiroText::batteryLine;
using LMAmpiroText::unitWord;
using LMAmpiroText::wholeNumber;

std::shared_ptr<LMAmpiroDisplayView> LMAmpiroDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMAmpiroDisplayView>();
}

std::shared_ptr<LMAmpiroDisplayView> LMAmpiroDisplayView::create()
{
    auto overlay = make<LMAmpiroDisplayView>(lumora::RootWindowCapture<LMAmpiroDisplayView>::window());
    if (overlay)
        overlay->buildContent();
    return overlay;
}

void LMAmpiroDisplayView::buildContent()
{
    m_themeColor = settings()->ampiroThemeColor();
    m_bundle = NSBundle::initWithPath(LMResourceBundlePath);
    determineDevice();
    buildBattery();
    buildActivities();

    m_powerSource = IOServiceGetMatchingService(kIOMainPortDefault, IOServiceMatching("IOPMPowerSource"));

    m_bigBoltView->setImage(m_boltFrames[0]);
    m_bigBoltView->setHidden(false);

    AmpiroUpdate(nullptr);
    auto self = objc::retain(this);
    NSTimer::scheduledTimerWithTimeInterval(30.0, self, &LMAmpiroDisplayView::AmpiroUpdate, true);
    NSTimer::scheduledTimerWithTimeInterval(
        1.0, self, &LMAmpiroDisplayView::AmpiroBatterySecondsUpdate, true);
}

std::shared_ptr<UIImage> LMAmpiroDisplayView::bundleImage(std::string_view name, CGSize size) const
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    if (!m_bundle)
        return nullptr;
    auto image = UIImage::imageWithContentsOfFile(m_bundle->pathForResource(name, "png"));
    return contracts::OBImageFactory::image(imageFactoryClass, std::move(image), size);
}

void LMAmpiroDisplayView::buildBattery()
{
    for (size_t frame = 0; frame < boltFrameCount; ++frame)
        m_boltFrames[frame] = bundleImage("Ampiro/BoltAnimated/" + std::to_string(frame), boltSize);

    // Filling up from frame One, then resting full for the last twelve images.
    std::vector<std::shared_ptr<UIImage>> animation(m_boltFrames.begin() + 1, m_boltFrames.end());
    animation.insert(animation.end(), 11, m_boltFrames.back());
    m_animatedBigBoltView = UIImageView::create();
    m_animatedBigBoltView->setAccessibilityIdentifier("animatedBigBoltView");
    m_animatedBigBoltView->setUserInteractionEnabled(false);
    m_animatedBigBoltView->setAnimationImages(std::move(animation));
    m_animatedBigBoltView->setAnimationDuration(1.8);
    m_animatedBigBoltView->setAnimationRepeatCount(0);
    m_animatedBigBoltView->setHidden(true);

    m_bigBoltView = UIImageView::create();
    m_bigBoltView->setAccessibilityIdentifier("bigBoltView");
    m_bigBoltView->setUserInteractionEnabled(false);
    m_bigBoltView->setHidden(true);

    m_batteryContainerView = UIView::create();
    m_batteryContainerView->setAccessibilityIdentifier("batteryContainerView");
    m_batteryContainerView->setUserInteractionEnabled(false);
    m_batteryContainerView->addSubview(m_animatedBigBoltView);
    m_batteryContainerView->addSubview(m_bigBoltView);
    addSubview(m_batteryContainerView);

    m_batteryLabel = UILabel::create();
    m_batteryLabel->setAccessibilityIdentifier("batteryLabel");
    m_batteryLabel->setText(calibratingText);
    m_batteryLabel->setFont(UIFont::boldSystemFontOfSize(14));
    m_batteryLabel->setNumberOfLines(2);
    m_batteryLabel->setBackgroundColor(UIColor::clearColor());
    m_batteryLabel->setTextColor(m_themeColor);
    m_batteryLabel->setTextAlignment(NSTextAlignmentCenter);
    m_batteryLabel->setAdjustsFontSizeToFitWidth(true);
    m_batteryContainerView->addSubview(m_batteryLabel);
}

void LMAmpiroDisplayView::buildActivities()
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    for (size_t index = 0; index < activityCount; ++index) {
        auto& description = activityDescriptions[index];
        auto& activity = m_activities[index];
        auto icon = contracts::OBImageFactory::image(
            imageFactoryClass, bundleImage(description.imageName, activityIconSize), m_themeColor);
        activity.imageView = UIImageView::initWithImage(std::move(icon));
        activity.imageView->setAccessibilityIdentifier(description.imageViewField);
        activity.imageView->setUserInteractionEnabled(false);

        activity.label = UILabel::create();
        activity.label->setAccessibilityIdentifier(description.labelField);
        activity.label->setText("Calculating Info...");
        activity.label->setFont(UIFont::boldSystemFontOfSize(13));
        activity.label->setNumberOfLines(1);
        activity.label->setBackgroundColor(UIColor::clearColor());
        activity.label->setTextColor(m_themeColor);
        activity.label->setTextAlignment(NSTextAlignmentCenter);
        activity.label->setAdjustsFontSizeToFitWidth(true);
        activity.imageView->addSubview(activity.label);
        addSubview(activity.imageView);
    }
}

void LMAmpiroDisplayView::determineDevice()
{
    static objc::ClassRef versionClass { "OBiOSVersion" };
    m_device = LMAmpiroDevice::fromCode(contracts::OBiOSVersion::deviceVersion.toClass(versionClass));
}

double LMAmpiroDisplayView::phoneTimeMultiplier() const
{
    return m_device.multipliers().phone;
}

double LMAmpiroDisplayView::hdVideoTimeMultiplier() const
{
    return m_device.multipliers().hdVideo;
}

double LMAmpiroDisplayView::wifiTimeMultiplier() const
{
    return m_device.multipliers().wifi;
}

double LMAmpiroDisplayView::musicTimeMultiplier() const
{
    return m_device.multipliers().music;
}

double LMAmpiroDisplayView::standbyTimeMultiplier() const
{
    return m_device.multipliers().standby;
}

void LMAmpiroDisplayView::AmpiroUpdate(NSTimer*)
{
    double rawCurrent = rawCapacity(m_powerSource, CFSTR("AppleRawCurrentCapacity"));
    double rawFull = rawCapacity(m_powerSource, CFSTR("AppleRawMaxCapacity"));
    auto controller = uiController();
    // Multiplied in single precision, as the platform does with a float, so 0.48 reads 48, not 47.99.
    m_currentBatteryPercentage = controller ? controller->batteryCapacity() * 100.0f : 0.0f;

    if (controller && controller->isOnAC()) {
        if (wholeNumber(m_currentBatteryPercentage) <= 99)
            showCharging(rawCurrent, rawFull);
        else
            showFullyCharged();
        m_inTimeCountingState = false;
        m_timeLeft = -1;
        m_hasAlreadyDecreasedAtLeastOnce = false;
    } else {
        showDraining();
        timeDrop();
    }
    m_previousBatteryPercentage = m_currentBatteryPercentage;
    showActivityTimes(rawCurrent);
}

void LMAmpiroDisplayView::showCharging(double rawCurrent, double rawFull)
{
    if (m_animatedBigBoltView->isHidden()) {
        m_animatedBigBoltView->setHidden(false);
        m_animatedBigBoltView->startAnimating();
    }
    if (!m_bigBoltView->isHidden())
        m_bigBoltView->setHidden(true);

    // A charge at or above the full capacity (or a full capacity that cannot be read) is full now,
    // not full in a negative time.
    double hoursToFull = std::max(0.0, (rawFull - rawCurrent) / 1000);
    std::int32_t hours = wholeNumber(std::floor(hoursToFull));
    std::int32_t minutes = wholeNumber(std::fmod(hoursToFull, 1) * 60);
    auto firstLine = objc::format("%d%% Charging\n", wholeNumber(m_currentBatteryPercentage));
    auto minuteWord = unitWord(minutes, "minute", "minutes");
    auto secondLine = hours ? objc::format("Battery full in %d %@ and %d %@", hours,
                          unitWord(hours, "hour", "hours"), minutes, minuteWord)
                            : objc::format("Battery full in about %d %@", minutes, minuteWord);
    m_batteryLabel->setAttributedText(batteryLine(firstLine, "Charging", UIColor::greenColor(), secondLine));
}

void LMAmpiroDisplayView::showFullyCharged()
{
    if (m_animatedBigBoltView->isAnimating())
        m_animatedBigBoltView->stopAnimating();
    m_animatedBigBoltView->setHidden(true);
    m_bigBoltView->setHidden(false);
    m_bigBoltView->setImage(m_boltFrames.back());
    m_batteryLabel->setAttributedText(
        NSAttributedString::create("Battery fully charged\n", { .foregroundColor = UIColor::greenColor() }));
}

void LMAmpiroDisplayView::showDraining()
{
    if (m_animatedBigBoltView->isAnimating())
        m_animatedBigBoltView->stopAnimating();
    m_animatedBigBoltView->setHidden(true);
    m_bigBoltView->setHidden(false);
    double percentage = m_currentBatteryPercentage;
    if (percentage >= 0 && percentage <= 100)
        m_bigBoltView->setImage(m_boltFrames[static_cast<size_t>(std::ceil(percentage / 10))]);
}

void LMAmpiroDisplayView::timeDrop()
{
    if (!m_inTimeCountingState) {
        m_secondsSinceLastBatteryPercentageChangeCounter = 0;
        m_inTimeCountingState = true;
        if (!m_hasAlreadyDecreasedAtLeastOnce)
            m_batteryLabel->setText(calibratingText);
        return;
    }
    if (!(m_currentBatteryPercentage < m_previousBatteryPercentage))
        return;
    m_secondsSinceLastBatteryPercentageChange = m_secondsSinceLastBatteryPercentageChangeCounter;
    m_inTimeCountingState = false;
    // The first interval began part-way through a percent.
    if (!m_hasAlreadyDecreasedAtLeastOnce) {
        m_hasAlreadyDecreasedAtLeastOnce = true;
        return;
    }
    m_timeLeft
        = drainEstimate(m_timeLeft, m_secondsSinceLastBatteryPercentageChange, m_currentBatteryPercentage);
}

std::int32_t LMAmpiroDisplayView::drainEstimate(
    std::int32_t timeLeft, std::int32_t seconds, double percentage)
{
    double estimate = seconds * percentage;
    if (timeLeft == -1)
        return wholeNumber(estimate);
    // Summed and halved in double precision, so neither the figure nor the sum can overflow 32 bits.
    return wholeNumber(std::trunc(timeLeft + estimate) / 2);
}

void LMAmpiroDisplayView::showActivityTimes(double rawCurrent)
{
    for (size_t index = 0; index < activityCount; ++index) {
        auto& description = activityDescriptions[index];
        auto seconds = isecFromSeconds(wholeNumber(rawCurrent * (this->*description.multiplier)()));
        m_activities[index].label->setText(timeSplit(seconds,
            std::string("%d %@ and %d %@") + description.ending, std::string("%d %@") + description.ending));
    }
}

void LMAmpiroDisplayView::AmpiroBatterySecondsUpdate(NSTimer*)
{
    bool pluggedIn = isOnAC();
    if (pluggedIn != m_chargerWasPluggedIn)
        AmpiroUpdate(nullptr);
    m_chargerWasPluggedIn = pluggedIn;

    if (m_inTimeCountingState
        && m_secondsSinceLastBatteryPercentageChangeCounter < std::numeric_limits<std::int32_t>::max())
        ++m_secondsSinceLastBatteryPercentageChangeCounter;
    if (m_timeLeft >= 1)
        showCountdown();
}

void LMAmpiroDisplayView::showCountdown()
{
    auto firstLine = objc::format("%d%% Draining\n", wholeNumber(m_currentBatteryPercentage));
    auto secondLine = timeSplit(
        isecFromSeconds(m_timeLeft), "Battery empty in %d %@ and %d %@", "Battery empty in %d %@");
    // Counted in hours and minutes, the text changes once a minute.
    m_countdownText.set(*m_batteryLabel, firstLine + secondLine,
        [&] { return batteryLine(firstLine, "Draining", UIColor::redColor(), secondLine); });
    --m_timeLeft;
}

std::string LMAmpiroDisplayView::timeSplit(
    std::int32_t seconds, std::string_view twoPartFormat, std::string_view onePartFormat)
{
    std::int32_t hours = seconds / 3600;
    std::int32_t minutes = (seconds - 3600 * hours) / 60;
    std::int32_t remainder = seconds % 60;
    auto hourWord = unitWord(hours, "hour", "hours");
    auto minuteWord = unitWord(minutes, "minute", "minutes");
    auto secondWord = unitWord(remainder, "second", "seconds");
    if (hours)
        return objc::format(twoPartFormat, hours, hourWord, minutes, minuteWord);
    if (minutes)
        return objc::format(twoPartFormat, minutes, minuteWord, remainder, secondWord);
    return objc::format(onePartFormat, remainder, secondWord);
}

void LMAmpiroDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
    CGFloat width = this->width();
    CGFloat height = this->height();
    CGFloat unit = LMSpringBoard::orientation() == LMOrientation::portrait ? 50 : 25;

    m_batteryContainerView->setFrame(CGRectMake(0, 0, 2 * unit, 2 * unit));
    m_batteryContainerView->setCenter(CGPointMake(width * 0.5, height * 0.1));
    m_animatedBigBoltView->setFrame(CGRectMake(0, 0, 2 * unit, 2 * unit));
    m_bigBoltView->setFrame(CGRectMake(0, 0, 2 * unit, 2 * unit));
    CGRect container = m_batteryContainerView->frame();
    m_batteryLabel->setFrame(CGRectMake(-container.origin.x, container.size.height + 2.5, width, 36));

    for (size_t index = 0; index < activityCount; ++index) {
        auto& activity = m_activities[index];
        activity.imageView->setFrame(CGRectMake(0, 0, unit, unit));
        activity.imageView->setCenter(
            CGPointMake(width * 0.5, height * activityDescriptions[index].verticalPosition));
        CGRect icon = activity.imageView->frame();
        activity.label->setFrame(CGRectMake(-icon.origin.x, icon.size.height, width, 18));
    }
}

bool LMAmpiroDisplayView::resetsLockScreenDim() const
{
    return settings()->ampiroResetLockScreenDim();
}
