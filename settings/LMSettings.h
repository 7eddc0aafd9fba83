#pragma once

#include "objc/NSObject.h"

#include <atomic>
#include <memory>
#include <string>

class UIColor;
namespace contracts {
class OBPreferenceManager;
}

// The user's preferences, one typed getter per key of the preference file, each read afresh
// from the preference manager of the last reload.
//
// reload swaps the manager through an std::atomic<std::shared_ptr>: a getter takes its own
// strong reference first, so one running on a background queue while the main thread reloads
// keeps the manager it started with alive until it returns, and no lock is taken.
//
// Stored values the getter's conversion cannot take (an array, a dictionary or data where a
// switch, a number or a colour is wanted; anything but text for a colour) answer as if the key
// were absent: the fallback. So does every key when the support library's preference manager
// cannot be found. Colours are never nothing.
class LMSettings : public NSObject {
    OBJC_CLASS(LMSettings, NSObject)
public:
    LMSettings();

    static std::shared_ptr<LMSettings> sharedInstance();

    void reload();

    std::shared_ptr<UIColor> themeColor() const;

    bool enabled() const;
    int location() const;
    bool shouldShowStatusBar() const;
    bool blurEnabled() const;
    double idleTimerDuration() const;

    bool chronelOverlayEnabled() const;
    bool militaryTime() const;
    std::shared_ptr<UIColor> timeColor() const;
    bool secondsEnabled() const;
    bool showAlarmTimer() const;
    bool chronelPauseResumeTimerEnabled() const;
    bool chronelCancelTimerEnabled() const;
    bool chronelTimerHourAndSeconds() const;
    std::shared_ptr<UIColor> alarmTimerColor() const;
    bool chronelResetLockScreenDim() const;
    bool chronelHomeButtonCloseEnabled() const;

    bool forecastOverlayEnabled() const;
    int temperatureScale() const;
    bool forecastMilitaryTime() const;
    std::shared_ptr<UIColor> weatherColor() const;
    double weatherUpdateRate() const;
    bool forecastResetLockScreenDim() const;
    bool forecastHomeButtonCloseEnabled() const;
    bool forecastErrorMessageEnabled() const;

    bool ampiroEnabled() const;
    bool ampiroOverlayEnabled() const;
    std::shared_ptr<UIColor> ampiroThemeColor() const;
    bool ampiroResetLockScreenDim() const;
    bool ampiroHomeButtonCloseEnabled() const;

    bool kalendoEnabled() const;
    bool kalendoOverlayEnabled() const;
    int kalendoDaysFromNow() const;
    // Never negative; 99 when reading the value fails with an exception.
    int kalendoMaxEvents() const;
    int kalendoMaxReminders() const;
    // The stored object itself (text of calendar titles separated by ","), else "".
    std::shared_ptr<NSObject> calendarBlacklist() const;
    bool kalendoPrivacyModeEnabled() const;
    bool kalendoCalendarColorsEnabled() const;
    bool kalendoStrongerColorEnabled() const;
    bool autoColorEventSectionEnabled() const;
    bool kalendoCollapseEnabled() const;
    bool nothingScheduledLabelEnabled() const;
    bool somethingScheduledLabelEnabled() const;
    bool kalendoResetLockScreenDim() const;
    bool kalendoHomeButtonCloseEnabled() const;

    bool missivaEnabled() const;
    bool missivaOverlayEnabled() const;
    bool missivaLaunchEnabled() const;
    bool missivaPrivacyModeEnabled() const;
    bool missivaStrongerColorEnabled() const;
    bool autoColorNotificationSectionEnabled() const;
    bool missivaCollapseEnabled() const;
    bool dismissAllNotificationsButtonEnabled() const;
    bool noNotificationsLabelEnabled() const;
    bool hasNotificationsLabelEnabled() const;
    bool missivaResetLockScreenDim() const;
    bool missivaHomeButtonCloseEnabled() const;

    bool skipraEnabled() const;
    // The stored object itself, else "YES".
    std::shared_ptr<NSObject> addAppBundleID() const;
    int appLauncherShape() const;
    bool useCustomApps() const;

    bool melodraEnabled() const;
    bool melodraOverlayEnabled() const;
    bool melodraQuickGesturesEnabled() const;
    bool autoColorMelodraSectionEnabled() const;
    bool autoColorMelodraOverlayEnabled() const;
    bool melodraResetLockScreenDim() const;
    bool melodraHomeButtonCloseEnabled() const;

private:
    std::shared_ptr<NSObject> value(const std::string& key, const std::string& fallback) const;
    bool boolValue(const std::string& key, const std::string& fallback) const;
    int intValue(const std::string& key, const std::string& fallback) const;
    double doubleValue(const std::string& key, const std::string& fallback) const;
    std::shared_ptr<UIColor> colorValue(const std::string& key, const std::string& fallback) const;
    int maximumCount(const std::string& key) const;

    std::atomic<std::shared_ptr<contracts::OBPreferenceManager>> m_prefs;
};
