#include "settings/LMSettings.h"

#include "contracts/ClassMessages.h"
#include "contracts/OBColorFactory.h"
#include "contracts/OBPreferenceManager.h"
#include "dispatch/Once.h"
#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"
#include "objc/ClassRef.h"
#include "uikit/UIColor.h"

#include <algorithm>
#include <exception>

namespace {

const std::string preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

template <class T>
T converted(const std::shared_ptr<NSObject>& object, const std::string& fallback,
    T (foundation::ScalarValue::*conversion)() const)
{
    if (auto* scalar = foundation::ScalarValue::of(object))
        return (scalar->*conversion)();
    return (NSString(fallback).*conversion)();
}

} // namespace

LMSettings::LMSettings()
{
    reload();
}

std::shared_ptr<LMSettings> LMSettings::sharedInstance()
{
    static dispatch_once_t onceToken;
    static std::shared_ptr<LMSettings> s_shared;
    dispatch_once(&onceToken, [] { s_shared = std::make_shared<LMSettings>(); });
    return s_shared;
}

void LMSettings::reload()
{
    static objc::ClassRef managerClass { "OBPreferenceManager" };
    m_prefs.store(contracts::make<contracts::OBPreferenceManager>(
        managerClass, contracts::OBPreferenceManager::initWithContentsOfFile, preferencePath));
}

std::shared_ptr<NSObject> LMSettings::value(const std::string& key, const std::string& fallback) const
{
    auto prefs = m_prefs.load();
    auto object = prefs ? prefs->valueForkey(key, fallback) : nullptr;
    return object ? object : std::make_shared<NSString>(fallback);
}

bool LMSettings::boolValue(const std::string& key, const std::string& fallback) const
{
    return converted(value(key, fallback), fallback, &foundation::ScalarValue::boolValue);
}

int LMSettings::intValue(const std::string& key, const std::string& fallback) const
{
    return converted(value(key, fallback), fallback, &foundation::ScalarValue::intValue);
}

double LMSettings::doubleValue(const std::string& key, const std::string& fallback) const
{
    return converted(value(key, fallback), fallback, &foundation::ScalarValue::floatValue);
}

std::shared_ptr<UIColor> LMSettings::colorValue(const std::string& key, const std::string& fallback) const
{
    static objc::ClassRef factoryClass { "OBColorFactory" };
    auto text = objc::cast<NSString>(value(key, fallback));
    auto color = contracts::OBColorFactory::colorFromHexString.toClass(
        factoryClass, text ? text->UTF8String() : fallback);
    return color ? color : UIColor::whiteColor();
}

int LMSettings::maximumCount(const std::string& key) const
{
    try {
        return std::max(0, intValue(key, "99"));
    } catch (const std::exception&) {
        return 99;
    }
}

std::shared_ptr<UIColor> LMSettings::themeColor() const
{
    return UIColor::whiteColor();
}

bool LMSettings::enabled() const
{
    return boolValue("enabled", "YES");
}

int LMSettings::location() const
{
    return intValue("location", "1");
}

bool LMSettings::shouldShowStatusBar() const
{
    return boolValue("shouldShowStatusBar", "YES");
}

bool LMSettings::blurEnabled() const
{
    return boolValue("blurEnabled", "YES");
}

double LMSettings::idleTimerDuration() const
{
    return doubleValue("idleTimerDuration", "60.0");
}

bool LMSettings::chronelOverlayEnabled() const
{
    return boolValue("chronelOverlayEnabled", "YES");
}

bool LMSettings::militaryTime() const
{
    return boolValue("militaryTime", "NO");
}

std::shared_ptr<UIColor> LMSettings::timeColor() const
{
    return colorValue("timeColor", "#ffffff");
}

bool LMSettings::secondsEnabled() const
{
    return boolValue("secondsEnabled", "NO");
}

bool LMSettings::showAlarmTimer() const
{
    return boolValue("showAlarmTimer", "YES");
}

bool LMSettings::chronelPauseResumeTimerEnabled() const
{
    return boolValue("chronelPauseResumeTimerEnabled", "YES");
}

bool LMSettings::chronelCancelTimerEnabled() const
{
    return boolValue("chronelCancelTimerEnabled", "YES");
}

bool LMSettings::chronelTimerHourAndSeconds() const
{
    return boolValue("chronelTimerHourAndSeconds", "YES");
}

std::shared_ptr<UIColor> LMSettings::alarmTimerColor() const
{
    return colorValue("alarmTimerColor", "#ffffff");
}

bool LMSettings::chronelResetLockScreenDim() const
{
    return boolValue("chronelResetLockScreenDim", "YES");
}

bool LMSettings::chronelHomeButtonCloseEnabled() const
{
    return boolValue("chronelHomeButtonCloseEnabled", "NO");
}

bool LMSettings::forecastOverlayEnabled() const
{
    return boolValue("forecastOverlayEnabled", "YES");
}

int LMSettings::temperatureScale() const
{
    return intValue("temperatureScale", "1");
}

bool LMSettings::forecastMilitaryTime() const
{
    return boolValue("forecastMilitaryTime", "NO");
}

std::shared_ptr<UIColor> LMSettings::weatherColor() const
{
    return colorValue("weatherColor", "#ffffff");
}

double LMSettings::weatherUpdateRate() const
{
    return doubleValue("weatherUpdateRate", "1800");
}

bool LMSettings::forecastResetLockScreenDim() const
{
    return boolValue("forecastResetLockScreenDim", "YES");
}

bool LMSettings::forecastHomeButtonCloseEnabled() const
{
    return boolValue("forecastHomeButtonCloseEnabled", "NO");
}

bool LMSettings::forecastErrorMessageEnabled() const
{
    return boolValue("forecastErrorMessageEnabled", "YES");
}

bool LMSettings::ampiroEnabled() const
{
    return boolValue("ampiroEnabled", "YES");
}

bool LMSettings::ampiroOverlayEnabled() const
{
    return boolValue("ampiroOverlayEnabled", "YES");
}

std::shared_ptr<UIColor> LMSettings::ampiroThemeColor() const
{
    return colorValue("ampiroThemeColor", "#ffffff");
}

bool LMSettings::ampiroResetLockScreenDim() const
{
    return boolValue("ampiroResetLockScreenDim", "YES");
}

bool LMSettings::ampiroHomeButtonCloseEnabled() const
{
    return boolValue("ampiroHomeButtonCloseEnabled", "NO");
}

bool LMSettings::kalendoEnabled() const
{
    return boolValue("kalendoEnabled", "YES");
}

bool LMSettings::kalendoOverlayEnabled() const
{
    return boolValue("kalendoOverlayEnabled", "YES");
}

int LMSettings::kalendoDaysFromNow() const
{
    return intValue("kalendoDaysFromNow", "7");
}

int LMSettings::kalendoMaxEvents() const
{
    return maximumCount("kalendoMaxEvents");
}

int LMSettings::kalendoMaxReminders() const
{
    return maximumCount("kalendoMaxReminders");
}

std::shared_ptr<NSObject> LMSettings::calendarBlacklist() const
{
    return value("calendarBlacklist", "");
}

bool LMSettings::kalendoPrivacyModeEnabled() const
{
    return boolValue("kalendoPrivacyModeEnabled", "NO");
}

bool LMSettings::kalendoCalendarColorsEnabled() const
{
    return boolValue("kalendoCalendarColorsEnabled", "YES");
}

bool LMSettings::kalendoStrongerColorEnabled() const
{
    return boolValue("kalendoStrongerColorEnabled", "NO");
}

bool LMSettings::autoColorEventSectionEnabled() const
{
    return boolValue("autoColorEventSectionEnabled", "YES");
}

bool LMSettings::kalendoCollapseEnabled() const
{
    return boolValue("kalendoCollapseEnabled", "YES");
}

bool LMSettings::nothingScheduledLabelEnabled() const
{
    return boolValue("nothingScheduledLabelEnabled", "YES");
}

bool LMSettings::somethingScheduledLabelEnabled() const
{
    return boolValue("somethingScheduledLabelEnabled", "YES");
}

bool LMSettings::kalendoResetLockScreenDim() const
{
    return boolValue("kalendoResetLockScreenDim", "YES");
}

bool LMSettings::kalendoHomeButtonCloseEnabled() const
{
    return boolValue("kalendoHomeButtonCloseEnabled", "NO");
}

bool LMSettings::missivaEnabled() const
{
    return boolValue("missivaEnabled", "YES");
}

bool LMSettings::missivaOverlayEnabled() const
{
    return boolValue("missivaOverlayEnabled", "YES");
}

bool LMSettings::missivaLaunchEnabled() const
{
    return boolValue("missivaLaunchEnabled", "YES");
}

bool LMSettings::missivaPrivacyModeEnabled() const
{
    return boolValue("missivaPrivacyModeEnabled", "NO");
}

bool LMSettings::missivaStrongerColorEnabled() const
{
    return boolValue("missivaStrongerColorEnabled", "NO");
}

bool LMSettings::autoColorNotificationSectionEnabled() const
{
    return boolValue("autoColorNotificationSectionEnabled", "YES");
}

bool LMSettings::missivaCollapseEnabled() const
{
    return boolValue("missivaCollapseEnabled", "YES");
}

bool LMSettings::dismissAllNotificationsButtonEnabled() const
{
    return boolValue("dismissAllNotificationsButtonEnabled", "NO");
}

bool LMSettings::noNotificationsLabelEnabled() const
{
    return boolValue("noNotificationsLabelEnabled", "YES");
}

bool LMSettings::hasNotificationsLabelEnabled() const
{
    return boolValue("hasNotificationsLabelEnabled", "YES");
}

bool LMSettings::missivaResetLockScreenDim() const
{
    return boolValue("missivaResetLockScreenDim", "YES");
}

bool LMSettings::missivaHomeButtonCloseEnabled() const
{
    return boolValue("missivaHomeButtonCloseEnabled", "NO");
}

bool LMSettings::skipraEnabled() const
{
    return boolValue("skipraEnabled", "YES");
}

std::shared_ptr<NSObject> LMSettings::addAppBundleID() const
{
    return value("addAppBundleID", "YES");
}

int LMSettings::appLauncherShape() const
{
    return intValue("appLauncherShape", "2");
}

bool LMSettings::useCustomApps() const
{
    return boolValue("useCustomApps", "NO");
}

bool LMSettings::melodraEnabled() const
{
    return boolValue("melodraEnabled", "YES");
}

bool LMSettings::melodraOverlayEnabled() const
{
    return boolValue("melodraOverlayEnabled", "YES");
}

bool LMSettings::melodraQuickGesturesEnabled() const
{
    return boolValue("melodraQuickGesturesEnabled", "YES");
}

bool LMSettings::autoColorMelodraSectionEnabled() const
{
    return boolValue("autoColorMelodraSectionEnabled", "YES");
}

bool LMSettings::autoColorMelodraOverlayEnabled() const
{
    return boolValue("autoColorMelodraOverlayEnabled", "YES");
}

bool LMSettings::melodraResetLockScreenDim() const
{
    return boolValue("melodraResetLockScreenDim", "YES");
}

bool LMSettings::melodraHomeButtonCloseEnabled() const
{
    return boolValue("melodraHomeButtonCloseEnabled", "NO");
}
