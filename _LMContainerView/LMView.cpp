#include "_LMContainerView/LMView.h"

#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "LMMelodra/LMMelodraView.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "_LMContainerView/LMViewHooks.h"
#include "contracts/OBImageFactory.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/OBWeatherProvider.h"
#include "contracts/SBBacklightController.h"
#include "contracts/SBConferenceManager.h"
#include "contracts/SBLockScreenManager.h"
#include "contracts/SBTelephonyManager.h"
#include "contracts/SBUIController.h"
#include "contracts/SBWallpaperView.h"
#include "contracts/SpringBoardApplication.h"
#include "contracts/TimerManager.h"
#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSBundle.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateFormatter.h"
#include "hooks/LMResourceBundle.h"
#include "hooks/LMSystemVersion.h"
#include "launcher/LMAppLauncherView.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"
#include "settings/LMSettings.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSProcessInfo.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIApplication.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UILongPressGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UIVisualEffectView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr const char* fontName = "HelveticaNeue-Light";
constexpr CGSize batteryIconSize { 25, 12.5 };
constexpr double defaultWeatherUpdateRate = 1800;

constexpr size_t batteryIconCount = 12;

// Battery icons by index: 0 the charging icon, then draining 0, 10, ... 100.
std::string batteryIconLevel(size_t index)
{
    return index == 0 ? "Charging" : std::to_string((index - 1) * 10);
}

std::string batteryIconResource(bool lowPower, size_t index)
{
    return (lowPower ? "Battery/LowBattery" : "Battery/Battery") + batteryIconLevel(index);
}

std::string batteryIconField(bool lowPower, size_t index)
{
    return (lowPower ? "_lowPowerBattery" : "_battery") + batteryIconLevel(index)
        + (index == 0 ? "Image" : "DrainingImage");
}

std::shared_ptr<UIFont> lightFont(CGFloat size)
{
    return UIFont::fontWithName(fontName, size);
}

template <class View> std::shared_ptr<View> makeView(const char* field)
{
    auto view = View::create();
    view->setAccessibilityIdentifier(field);
    return view;
}

std::shared_ptr<UILabel> makeLabel(const char* field, NSInteger lines, NSTextAlignment alignment)
{
    auto label = makeView<UILabel>(field);
    label->setNumberOfLines(lines);
    label->setTextAlignment(alignment);
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

template <class Recognizer, class Handler>
void attach(const std::shared_ptr<UIView>& view, const std::shared_ptr<LMView>& panel, Handler handler)
{
    view->addGestureRecognizer(std::make_shared<Recognizer>(panel, handler));
}

Class imageFactory()
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    return imageFactoryClass;
}

std::shared_ptr<UIImage> bundleImage(
    const std::shared_ptr<NSBundle>& bundle, std::string_view name, CGSize size)
{
    if (!bundle)
        return nullptr;
    auto image = UIImage::imageWithContentsOfFile(bundle->pathForResource(name, "png"));
    return contracts::OBImageFactory::image(imageFactory(), std::move(image), size);
}

std::shared_ptr<NSAttributedString> attachmentText(std::shared_ptr<UIImage> image)
{
    return NSAttributedString::attributedStringWithAttachment(NSTextAttachment::create(std::move(image)));
}

// Upright when the application is not SpringBoard's, as the support library assumes.
long springBoardOrientation()
{
    auto application = objc::cast<contracts::SpringBoardApplication>(UIApplication::sharedApplication());
    return application ? application->_getSpringBoardOrientation() : 1;
}

bool callUnderWay()
{
    static objc::ClassRef telephonyClass { "SBTelephonyManager" };
    static objc::ClassRef conferenceClass { "SBConferenceManager" };
    auto telephony = contracts::shared<contracts::SBTelephonyManager>(
        telephonyClass, contracts::SBTelephonyManager::sharedTelephonyManager);
    if (telephony && (telephony->inCall() || telephony->incomingCallExists()))
        return true;
    auto conference = contracts::shared<contracts::SBConferenceManager>(conferenceClass);
    return conference && (conference->activeFaceTimeCallExists() || conference->faceTimeInvitationExists());
}

bool screenIsOn()
{
    static objc::ClassRef backlightClass { "SBBacklightController" };
    auto backlight = contracts::shared<contracts::SBBacklightController>(backlightClass);
    if (LMSystemVersion::isiOS9())
        return backlight && backlight->screenIsOn();
    return !(backlight && backlight->screenIsOff());
}

bool isUILocked()
{
    static objc::ClassRef lockScreenManagerClass { "SBLockScreenManager" };
    auto manager = contracts::shared<contracts::SBLockScreenManager>(lockScreenManagerClass);
    return manager && manager->isUILocked();
}

std::shared_ptr<contracts::TimerManager> timerManager()
{
    static objc::ClassRef timerManagerClass { "TimerManager" };
    return contracts::shared<contracts::TimerManager>(
        timerManagerClass, contracts::TimerManager::sharedManager);
}

// A period of zero or less would be raised to the run loop's floor of a tenth of a millisecond,
// refreshing the weather (and making a provider) ten thousand times a second; anything under a
// second is as pointless. Such rates, and ones that are not numbers, get a sane period instead.
NSTimeInterval weatherUpdatePeriod(double rate)
{
    if (!std::isfinite(rate) || rate <= 0)
        return defaultWeatherUpdateRate;
    return std::max(rate, 1.0);
}

// The draining icon for a whole percentage: 0 for 0, then one icon per started ten.
int drainingIconLevel(int percent)
{
    return percent == 0 ? 0 : (percent + 9) / 10;
}

} // namespace

std::shared_ptr<LMView> LMView::sharedInstance()
{
    return dispatch::sharedInstance<LMView>();
}

std::shared_ptr<LMView> LMView::create()
{
    registerInstanceVariables(staticClass());
    auto panel = std::make_shared<LMView>();
    panel->init();
    return panel;
}

void LMView::registerInstanceVariables(Class cls)
{
    cls->addIvar("_settings", &LMView::m_settings);
    cls->addIvar("_lumoraBundle", &LMView::m_lumoraBundle);
    cls->addIvar("_previousInterfaceOrientation", &LMView::m_previousInterfaceOrientation);
    cls->addIvar("_wallpaperImageView", &LMView::m_wallpaperImageView);
    cls->addIvar("_blurEffectView", &LMView::m_blurEffectView);
    cls->addIvar("_timeContainerView", &LMView::m_timeContainerView);
    cls->addIvar("_timeDateLabel", &LMView::m_timeDateLabel);
    cls->addIvar("_alarmTimerLabel", &LMView::m_alarmTimerLabel);
    cls->addIvar("_alarmImage", &LMView::m_alarmImage);
    cls->addIvar("_timerImage", &LMView::m_timerImage);
    cls->addIvar("_weatherContainerView", &LMView::m_weatherContainerView);
    cls->addIvar("_weatherIconAndConditionNameLabel", &LMView::m_weatherIconAndConditionNameLabel);
    cls->addIvar("_highLowLabel", &LMView::m_highLowLabel);
    cls->addIvar("_temperatureLabel", &LMView::m_temperatureLabel);
    cls->addIvar("_weatherErrorLabel", &LMView::m_weatherErrorLabel);
    cls->addIvar("_ampiroContainerView", &LMView::m_ampiroContainerView);
    cls->addIvar("_batteryPercentLabel", &LMView::m_batteryPercentLabel);
    cls->addIvar("_currentBatteryStateImageView", &LMView::m_currentBatteryStateImageView);
    auto addImageFields = [cls](bool lowPower, std::shared_ptr<UIImage>(LMView::*images)[batteryIconCount]) {
        for (size_t i = 0; i < batteryIconCount; ++i) {
            cls->addIvar(objc_ivar { batteryIconField(lowPower, i), typeid(std::shared_ptr<UIImage>),
                [images, i](NSObject* object) -> void* {
                    auto* panel = dynamic_cast<LMView*>(object);
                    return panel ? &(panel->*images)[i] : nullptr;
                } });
        }
    };
    addImageFields(false, &LMView::m_batteryImages);
    addImageFields(true, &LMView::m_lowPowerBatteryImages);
    cls->addIvar("_musicProvider", &LMView::m_musicProvider);
}

void LMView::init()
{
    auto self = objc::retain(this);
    lumora::setSharedPanel(self);

    static objc::ClassRef musicProviderClass { "OBMusicProvider" };
    m_settings = LMSettings::sharedInstance();
    m_musicProvider = contracts::shared<contracts::OBMusicProvider>(musicProviderClass);
    m_lumoraBundle = NSBundle::initWithPath(LMResourceBundlePath);

    m_previousInterfaceOrientation = -1;
    m_isAnAlarmActive = false;
    m_timerState = -1;
    setBackgroundColor(UIColor::clearColor());

    if (m_settings->blurEnabled())
        addBackground();
    addChronel();
    addForecast();
    addAmpiro();
    addKalendoMissivaTableView();
    addSkipra();
    addMelodraView();

    updateLabels();
    updateViewVisibilites();

    std::weak_ptr<LMView> weakSelf = self;
    dispatch::RunLoop::main().postAfter(5.0, [weakSelf] {
        if (auto panel = weakSelf.lock())
            panel->update();
    });

    NSTimer::scheduledTimerWithTimeInterval(static_cast<double>(0.1f), self, &LMView::frameUpdateTimer, true);
    NSTimer::scheduledTimerWithTimeInterval(1.0, self, &LMView::visibilityHandlerAndTimeUpdateTimer, true);
    NSTimer::scheduledTimerWithTimeInterval(
        weatherUpdatePeriod(m_settings->weatherUpdateRate()), self, &LMView::weatherUpdateTimer, true);
    if (m_settings->location() == 1)
        NSTimer::scheduledTimerWithTimeInterval(
            10.0, self, &LMView::scheduleAndNotificationsUpdateTimer, true);
}

void LMView::addBackground()
{
    static objc::ClassRef wallpaperControllerClass { "SBWallpaperController" };
    auto controller = contracts::shared<NSObject>(wallpaperControllerClass);
    std::shared_ptr<UIView> wallpaperView;
    for (auto field : { "_lockscreenWallpaperView", "_sharedWallpaperView", "_homescreenWallpaperView" }) {
        if ((wallpaperView = objc_getIvarNamed<std::shared_ptr<UIView>>(controller.get(), field)))
            break;
    }
    auto wallpaper = objc::cast<contracts::SBWallpaperView>(wallpaperView);
    m_wallpaperImageView = UIImageView::initWithImage(wallpaper ? wallpaper->wallpaperImage() : nullptr);
    m_wallpaperImageView->setAccessibilityIdentifier("_wallpaperImageView");
    addSubview(m_wallpaperImageView);

    m_blurEffectView
        = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    m_blurEffectView->setAccessibilityIdentifier("_blurEffectView");
    m_blurEffectView->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    addSubview(m_blurEffectView);
}

void LMView::addChronel()
{
    auto self = objc::retain(this);
    m_timeContainerView = makeView<UIView>("_timeContainerView");
    m_timeContainerView->setUserInteractionEnabled(true);
    addSubview(m_timeContainerView);
    attach<UITapGestureRecognizer>(m_timeContainerView, self, &LMView::timeContainerSingleTapRecognizer);

    m_timeDateLabel = makeLabel("_timeDateLabel", 2, NSTextAlignmentLeft);
    m_timeDateLabel->setUserInteractionEnabled(false);
    m_timeContainerView->addSubview(m_timeDateLabel);

    m_alarmImage = bundleImage(m_lumoraBundle, "Alarm", CGSizeMake(15, 15));
    m_timerImage = bundleImage(m_lumoraBundle, "Timer", m_alarmImage ? m_alarmImage->size() : CGSize {});

    m_alarmTimerLabel = makeLabel("_alarmTimerLabel", 1, NSTextAlignmentCenter);
    m_alarmTimerLabel->setUserInteractionEnabled(true);
    addSubview(m_alarmTimerLabel);
    attach<UITapGestureRecognizer>(m_alarmTimerLabel, self, &LMView::alarmTimerLabelSingleTapRecognizer);
    attach<UILongPressGestureRecognizer>(
        m_alarmTimerLabel, self, &LMView::alarmTimerLabelLongPressRecognizer);

    if (auto timeOverlay = LMTimeDisplayView::sharedInstance())
        timeOverlay->setDelegate(self);
}

void LMView::addForecast()
{
    m_weatherContainerView = makeView<UIView>("_weatherContainerView");
    m_weatherContainerView->setUserInteractionEnabled(true);
    addSubview(m_weatherContainerView);
    attach<UITapGestureRecognizer>(
        m_weatherContainerView, objc::retain(this), &LMView::weatherContainerSingleTapRecognizer);

    m_weatherIconAndConditionNameLabel
        = makeLabel("_weatherIconAndConditionNameLabel", 1, NSTextAlignmentRight);
    m_highLowLabel = makeLabel("_highLowLabel", 1, NSTextAlignmentRight);
    m_temperatureLabel = makeLabel("_temperatureLabel", 1, NSTextAlignmentRight);
    m_weatherErrorLabel = makeLabel("_weatherErrorLabel", 0, NSTextAlignmentLeft);
    m_weatherErrorLabel->setUserInteractionEnabled(false);
    for (auto& label :
        { m_weatherIconAndConditionNameLabel, m_highLowLabel, m_temperatureLabel, m_weatherErrorLabel })
        m_weatherContainerView->addSubview(label);

    LMWeatherDisplayView::sharedInstance();
}

void LMView::addAmpiro()
{
    if (!m_settings->ampiroEnabled())
        return;
    m_ampiroContainerView = makeView<UIView>("_ampiroContainerView");
    m_ampiroContainerView->setUserInteractionEnabled(true);
    addSubview(m_ampiroContainerView);
    attach<UITapGestureRecognizer>(
        m_ampiroContainerView, objc::retain(this), &LMView::ampiroContainerSingleTapRecognizer);

    m_currentBatteryStateImageView = makeView<UIImageView>("_currentBatteryStateImageView");
    m_currentBatteryStateImageView->setFrame(CGRectMake(0, 0, batteryIconSize.width, batteryIconSize.height));
    m_currentBatteryStateImageView->setHidden(false);
    m_ampiroContainerView->addSubview(m_currentBatteryStateImageView);

    for (size_t i = 0; i < batteryIconCount; ++i) {
        m_batteryImages[i] = bundleImage(m_lumoraBundle, batteryIconResource(false, i), batteryIconSize);
        m_lowPowerBatteryImages[i]
            = bundleImage(m_lumoraBundle, batteryIconResource(true, i), batteryIconSize);
    }

    m_batteryPercentLabel = makeLabel("_batteryPercentLabel", 1, NSTextAlignmentLeft);
    m_ampiroContainerView->addSubview(m_batteryPercentLabel);

    LMAmpiroDisplayView::sharedInstance();
}

void LMView::addKalendoMissivaTableView()
{
    m_tableViewController = LMTableViewController::create();
    addSubview(m_tableViewController->tableView());
}

void LMView::addSkipra()
{
    m_appLauncherView = LMAppLauncherView::create();
    m_appLauncherView->setAccessibilityIdentifier("_appLauncherView");
    addSubview(m_appLauncherView);
}

void LMView::addMelodraView()
{
    m_melodraView = LMMelodraView::create();
    m_melodraView->setAccessibilityIdentifier("_melodraView");
    addSubview(m_melodraView);
}

void LMView::changeFrame(CGRect rect)
{
    CGFloat width = rect.size.width;
    CGFloat height = rect.size.height;
    int location = m_settings->location();
    setFrame(CGRectMake(location == 1 ? width : 0, 0, width, height));
    if (m_wallpaperImageView)
        m_wallpaperImageView->setFrame(bounds());
    if (m_blurEffectView)
        m_blurEffectView->setFrame(bounds());

    struct Offsets {
        CGFloat timeContainer, timeDateLabel, alarmTimer, weatherContainer;
    };
    Offsets offsets = !m_settings->shouldShowStatusBar() ? Offsets { 5, 0, 93, 6.25 }
        : location == 2                                  ? Offsets { 5, -5, 88, 3.75 }
                                                         : Offsets { 10, 5, 98, 8.75 };

    m_timeContainerView->setFrame(CGRectMake(20, offsets.timeContainer, width * 0.5 - 20, 80));
    CGRect time = m_timeContainerView->frame();
    m_timeDateLabel->setFrame(CGRectMake(0, offsets.timeDateLabel, time.size.width, time.size.height));
    m_alarmTimerLabel->setFrame(CGRectMake(0, offsets.alarmTimer, width, 20));
    if (m_ampiroContainerView) {
        m_ampiroContainerView->setFrame(
            CGRectMake(time.origin.x, offsets.alarmTimer, time.size.width * 0.5, time.size.height));
        CGSize icon = m_currentBatteryStateImageView->frame().size;
        m_batteryPercentLabel->setFrame(CGRectMake(icon.width * static_cast<double>(1.1f), -2.5,
            m_ampiroContainerView->frame().size.width - icon.width, icon.height * 1.3));
        m_batteryPercentLabel->setFont(lightFont(m_batteryPercentLabel->frame().size.height - 6));
    }
    m_weatherContainerView->setFrame(
        CGRectMake(width * 0.5, offsets.weatherContainer, time.size.width, time.size.height));
    CGFloat weatherWidth = m_weatherContainerView->frame().size.width;
    m_weatherIconAndConditionNameLabel->setFrame(CGRectMake(0, 2 * time.origin.y, weatherWidth, 24));
    m_highLowLabel->setFrame(
        CGRectMake(0, CGRectGetMaxY(m_weatherIconAndConditionNameLabel->frame()), weatherWidth, 19.2));
    m_temperatureLabel->setFrame(CGRectMake(0, CGRectGetMaxY(m_highLowLabel->frame()), weatherWidth, 36));
    m_weatherErrorLabel->setFrame(
        CGRectMake(0, 5, weatherWidth, m_weatherContainerView->frame().size.height));

    for (auto& label : { m_weatherIconAndConditionNameLabel, m_highLowLabel, m_temperatureLabel })
        label->setFont(lightFont(label->frame().size.height - 6));
    m_weatherErrorLabel->setFont(lightFont(10));

    if (m_ampiroContainerView)
        bringSubviewToFront(m_ampiroContainerView);

    m_appLauncherView->changeFrame(bounds());
    m_appLauncherView->update();
    m_melodraView->changeFrame(bounds());
    m_tableViewController->changeFrame(bounds());
    m_tableViewController->refreshTableViewLayout();
}

void LMView::updateLabels()
{
    updateTimeDatelabels();
    updateAlarmTimerLabel();
    updateForecastLabels();

    m_timeDateLabel->setTextColor(m_settings->timeColor());
    auto alarmTimerColor = m_settings->alarmTimerColor();
    m_alarmTimerLabel->setTextColor(alarmTimerColor);
    m_alarmImage = contracts::OBImageFactory::image(imageFactory(), m_alarmImage, alarmTimerColor);
    m_timerImage = contracts::OBImageFactory::image(imageFactory(), m_timerImage, alarmTimerColor);
    auto weatherColor = m_settings->weatherColor();
    for (auto& label :
        { m_weatherIconAndConditionNameLabel, m_highLowLabel, m_temperatureLabel, m_weatherErrorLabel })
        label->setTextColor(weatherColor);
    if (m_batteryPercentLabel)
        m_batteryPercentLabel->setTextColor(m_settings->ampiroThemeColor());
}

void LMView::update()
{
    m_tableViewController->reloadTableViewData();
    updateLabels();
}

void LMView::updateViewVisibilites()
{
    if (m_ampiroContainerView)
        m_ampiroContainerView->setHidden(!m_settings->ampiroEnabled());
    m_alarmTimerLabel->setHidden(!(m_settings->showAlarmTimer() && LMSystemVersion::isiOS9()));
    m_appLauncherView->setHidden(!m_settings->skipraEnabled());
    bool nowPlaying = m_musicProvider && m_musicProvider->nowPlayingInfoExists();
    m_melodraView->setHidden(!(m_settings->melodraEnabled() && nowPlaying));
    m_tableViewController->changeFrame(bounds());
    m_melodraView->changeFrame(bounds());
}

bool LMView::hideAnyShowingDisplayViewsBecauseHomeButtonPressed(bool homeButtonPressed)
{
    bool closedAny = false;
    auto close = [&](const auto& overlay, bool (LMSettings::*homeButtonCloses)() const) {
        if (!overlay || !overlay->isActive())
            return;
        if (homeButtonPressed && !((*m_settings).*homeButtonCloses)())
            return;
        overlay->hide();
        closedAny = true;
    };
    close(LMTimeDisplayView::sharedInstance(), &LMSettings::chronelHomeButtonCloseEnabled);
    close(LMWeatherDisplayView::sharedInstance(), &LMSettings::forecastHomeButtonCloseEnabled);
    close(LMAmpiroDisplayView::sharedInstance(), &LMSettings::ampiroHomeButtonCloseEnabled);
    close(LMSingleEventDisplayView::sharedInstance(), &LMSettings::kalendoHomeButtonCloseEnabled);
    close(LMSingleNotificationDisplayView::sharedInstance(), &LMSettings::missivaHomeButtonCloseEnabled);
    close(LMMusicDisplayView::sharedInstance(), &LMSettings::melodraHomeButtonCloseEnabled);
    return closedAny;
}

std::string LMView::timeFromNSDate(const std::shared_ptr<NSDate>& date)
{
    bool militaryTime = m_settings->militaryTime();
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat(militaryTime ? "HH" : "hh");
    std::string time = formatter->stringFromDate(date);
    if (!militaryTime && time.starts_with('0'))
        time.erase(0, 1);
    formatter->setDateFormat(m_settings->secondsEnabled() ? ":mm:ss" : ":mm");
    return time + formatter->stringFromDate(date);
}

std::string LMView::dateFromNSDate(const std::shared_ptr<NSDate>& date)
{
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("EEEE, ");
    std::string text = formatter->stringFromDate(date);
    formatter->setDateFormat("MMMM ");
    text += formatter->stringFromDate(date);
    formatter->setDateFormat("dd");
    std::string day = formatter->stringFromDate(date);
    if (day.starts_with('0'))
        day.erase(0, 1);
    return text + day;
}

void LMView::updateTimeDatelabels()
{
    auto now = NSDate::date();
    auto text = NSMutableAttributedString::create(timeFromNSDate(now) + "\n", { .font = lightFont(45) });
    text->appendAttributedString(NSAttributedString(dateFromNSDate(now), { .font = lightFont(16) }));
    m_timeDateLabel->setAttributedText(text);
}

void LMView::updateAlarmTimerLabel()
{
    auto text = NSMutableAttributedString::create();
    if (m_isAnAlarmActive) {
        text->appendAttributedString(*attachmentText(m_alarmImage));
        text->appendAttributedString(NSAttributedString(objc::format(" %@", m_nextAlarmFireTime)));
    }
    if (m_timerState == 2 || m_timerState == 3) {
        if (m_isAnAlarmActive)
            text->appendAttributedString(NSAttributedString(" | "));
        text->appendAttributedString(*attachmentText(m_timerImage));
        text->appendAttributedString(
            NSAttributedString(objc::format(" %@", m_timerTimeRemaining.value_or(std::string()))));
    }
    text->addAttribute(NSFontAttributeName, lightFont(15), NSMakeRange(0, text->length()));
    m_alarmTimerLabel->setAttributedText(text);
}

void LMView::updateForecastLabels()
{
    static objc::ClassRef weatherProviderClass { "OBWeatherProvider" };
    int temperatureScale = m_settings->temperatureScale();
    auto weather = contracts::make<contracts::OBWeatherProvider>(
        weatherProviderClass, contracts::OBWeatherProvider::initUsingCelciusScale, temperatureScale == 2);
    if (!weather || !weather->forecastIsAvailable()) {
        m_weatherErrorLabel->setText(m_settings->forecastErrorMessageEnabled()
                ? "Enable location services for weather then open the weather app. Make sure you have an "
                  "internet connection."
                : "");
        m_weatherContainerView->setUserInteractionEnabled(false);
        return;
    }
    m_weatherErrorLabel->setText("");
    m_weatherContainerView->setUserInteractionEnabled(true);

    auto condition = NSMutableAttributedString::create();
    condition->appendAttributedString(*attachmentText(weather->conditionImage()));
    condition->appendAttributedString(NSAttributedString(" " + weather->conditionName()));
    m_weatherIconAndConditionNameLabel->setAttributedText(condition);
    m_highLowLabel->setText(objc::format("high %d | low %d", weather->high(), weather->low()));
    if (temperatureScale == 1)
        m_temperatureLabel->setText(objc::format("%d%@", weather->temperature(), "°F\n"));
    else if (temperatureScale == 2)
        m_temperatureLabel->setText(objc::format("%d%@", weather->temperature(), "°C\n"));
    else
        m_temperatureLabel->setText("");
}

void LMView::timeContainerSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (!m_settings->chronelOverlayEnabled() || !LMSystemVersion::isAtLeast("9.0"))
        return;
    if (auto overlay = LMTimeDisplayView::sharedInstance())
        overlay->show();
}

void LMView::weatherContainerSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (!m_settings->forecastOverlayEnabled())
        return;
    if (auto overlay = LMWeatherDisplayView::sharedInstance())
        overlay->show();
}

void LMView::ampiroContainerSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (!m_settings->ampiroOverlayEnabled())
        return;
    if (auto overlay = LMAmpiroDisplayView::sharedInstance())
        overlay->show();
}

void LMView::alarmTimerLabelSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (m_timerState == 1 || !m_settings->chronelPauseResumeTimerEnabled())
        return;
    auto manager = timerManager();
    if (!manager)
        return;
    if (m_timerState == 2)
        manager->resume();
    else
        manager->pause();
}

void LMView::alarmTimerLabelLongPressRecognizer(UILongPressGestureRecognizer*)
{
    if (m_timerState == 1 || !m_settings->chronelCancelTimerEnabled())
        return;
    if (auto manager = timerManager())
        manager->cancel();
}

void LMView::frameUpdateTimer(NSTimer*)
{
    long orientation = springBoardOrientation();
    if (orientation == m_previousInterfaceOrientation)
        return;
    CGSize screen = UIScreen::mainScreen()->bounds().size;
    CGFloat shorter = std::min(screen.width, screen.height);
    CGFloat longer = std::max(screen.width, screen.height);
    changeFrame(orientation == 1 ? CGRectMake(0, 0, shorter, longer) : CGRectMake(0, 0, longer, shorter));
    m_previousInterfaceOrientation = static_cast<int>(orientation);
}

void LMView::visibilityHandlerAndTimeUpdateTimer(NSTimer*)
{
    if (m_settings->location() == 1) {
        if (lumora::fullscreenBulletinVisible() || callUnderWay())
            setHidden(true);
        else if (isHidden())
            setHidden(false);
    }
    updateTimeDatelabels();
    updateBatteryIndicator();
    updateAlarmTimerLabel();
    updateViewVisibilites();
}

void LMView::updateBatteryIndicator()
{
    if (!m_ampiroContainerView)
        return;
    static objc::ClassRef uiControllerClass { "SBUIController" };
    auto controller = contracts::shared<contracts::SBUIController>(uiControllerClass);
    float percentage = (controller ? controller->batteryCapacity() : 0.0f) * 100.0f;
    // Converting a value outside int's range (or not a number) is undefined; such a capacity
    // reads as the nearest representable percentage, and a missing one leaves the indicator as is.
    if (std::isnan(percentage))
        return;
    constexpr float limit = static_cast<float>(std::numeric_limits<int>::max() / 2);
    int percent = static_cast<int>(std::clamp(percentage, -limit, limit));
    m_batteryPercentLabel->setText(objc::format("%d%%", percent));

    bool lowPower = LMSystemVersion::isiOS9() && NSProcessInfo::processInfo()->isLowPowerModeEnabled();
    auto& icons = lowPower ? m_lowPowerBatteryImages : m_batteryImages;
    if (controller && controller->isOnAC())
        m_currentBatteryStateImageView->setImage(icons[0]);
    else if (percent >= 0 && percent <= 100)
        m_currentBatteryStateImageView->setImage(icons[1 + drainingIconLevel(percent)]);
}

void LMView::weatherUpdateTimer(NSTimer*)
{
    updateForecastLabels();
}

void LMView::scheduleAndNotificationsUpdateTimer(NSTimer*)
{
    if (screenIsOn() && isUILocked())
        m_tableViewController->reloadTableViewData();
}
