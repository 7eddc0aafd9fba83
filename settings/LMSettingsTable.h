#pragma once

// Every key of the preference file, with the type its getter answers and its fallback, one line
// per key. LMSettings declares and defines its getters from this list (the getter is named after
// its key) and lists the rows in LMSettings::keys(), so nothing else restates a key or a fallback.
//
// SWITCH: bool. NUMBER: int. COUNT: int, never negative, and 99 when reading it throws.
// DURATION: the value in single precision, widened. COLOUR: text "#rrggbb" made into a colour; the
// fallback is 0xRRGGBB. OBJECT: the stored object itself, unconverted; the fallback is text.
#define LM_SETTINGS_TABLE(SWITCH, NUMBER, COUNT, DURATION, COLOUR, OBJECT)                                   \
    SWITCH(enabled, true)                                                                                    \
    NUMBER(location, 1)                                                                                      \
    SWITCH(shouldShowStatusBar, true)                                                                        \
    SWITCH(blurEnabled, true)                                                                                \
    DURATION(idleTimerDuration, 60.0)                                                                        \
                                                                                                             \
    SWITCH(chronelOverlayEnabled, true)                                                                      \
    SWITCH(militaryTime, false)                                                                              \
    COLOUR(timeColor, 0xffffff)                                                                              \
    SWITCH(secondsEnabled, false)                                                                            \
    SWITCH(showAlarmTimer, true)                                                                             \
    SWITCH(chronelPauseResumeTimerEnabled, true)                                                             \
    SWITCH(chronelCancelTimerEnabled, true)                                                                  \
    SWITCH(chronelTimerHourAndSeconds, true)                                                                 \
    COLOUR(alarmTimerColor, 0xffffff)                                                                        \
    SWITCH(chronelResetLockScreenDim, true)                                                                  \
    SWITCH(chronelHomeButtonCloseEnabled, false)                                                             \
                                                                                                             \
    SWITCH(forecastOverlayEnabled, true)                                                                     \
    NUMBER(temperatureScale, 1)                                                                              \
    SWITCH(forecastMilitaryTime, false)                                                                      \
    COLOUR(weatherColor, 0xffffff)                                                                           \
    DURATION(weatherUpdateRate, 1800.0)                                                                      \
    SWITCH(forecastResetLockScreenDim, true)                                                                 \
    SWITCH(forecastHomeButtonCloseEnabled, false)                                                            \
    SWITCH(forecastErrorMessageEnabled, true)                                                                \
                                                                                                             \
    SWITCH(ampiroEnabled, true)                                                                              \
    SWITCH(ampiroOverlayEnabled, true)                                                                       \
    COLOUR(ampiroThemeColor, 0xffffff)                                                                       \
    SWITCH(ampiroResetLockScreenDim, true)                                                                   \
    SWITCH(ampiroHomeButtonCloseEnabled, false)                                                              \
                                                                                                             \
    SWITCH(kalendoEnabled, true)                                                                             \
    SWITCH(kalendoOverlayEnabled, true)                                                                      \
    NUMBER(kalendoDaysFromNow, 7)                                                                            \
    COUNT(kalendoMaxEvents, 99)                                                                              \
    COUNT(kalendoMaxReminders, 99)                                                                           \
    /* text of calendar titles separated by "," */                                                           \
    OBJECT(calendarBlacklist, "")                                                                            \
    SWITCH(kalendoPrivacyModeEnabled, false)                                                                 \
    SWITCH(kalendoCalendarColorsEnabled, true)                                                               \
    SWITCH(kalendoStrongerColorEnabled, false)                                                               \
    SWITCH(autoColorEventSectionEnabled, true)                                                               \
    SWITCH(kalendoCollapseEnabled, true)                                                                     \
    SWITCH(nothingScheduledLabelEnabled, true)                                                               \
    SWITCH(somethingScheduledLabelEnabled, true)                                                             \
    SWITCH(kalendoResetLockScreenDim, true)                                                                  \
    SWITCH(kalendoHomeButtonCloseEnabled, false)                                                             \
                                                                                                             \
    SWITCH(missivaEnabled, true)                                                                             \
    SWITCH(missivaOverlayEnabled, true)                                                                      \
    SWITCH(missivaLaunchEnabled, true)                                                                       \
    SWITCH(missivaPrivacyModeEnabled, false)                                                                 \
    SWITCH(missivaStrongerColorEnabled, false)                                                               \
    SWITCH(autoColorNotificationSectionEnabled, true)                                                        \
    SWITCH(missivaCollapseEnabled, true)                                                                     \
    SWITCH(dismissAllNotificationsButtonEnabled, false)                                                      \
    SWITCH(noNotificationsLabelEnabled, true)                                                                \
    SWITCH(hasNotificationsLabelEnabled, true)                                                               \
    SWITCH(missivaResetLockScreenDim, true)                                                                  \
    SWITCH(missivaHomeButtonCloseEnabled, false)                                                             \
                                                                                                             \
    SWITCH(skipraEnabled, true)                                                                              \
    OBJECT(addAppBundleID, "YES")                                                                            \
    NUMBER(appLauncherShape, 2)                                                                              \
    SWITCH(useCustomApps, false)                                                                             \
                                                                                                             \
    SWITCH(melodraEnabled, true)                                                                             \
    SWITCH(melodraOverlayEnabled, true)                                                                      \
    SWITCH(melodraQuickGesturesEnabled, true)                                                                \
    SWITCH(autoColorMelodraSectionEnabled, true)                                                             \
    SWITCH(autoColorMelodraOverlayEnabled, true)                                                             \
    SWITCH(melodraResetLockScreenDim, true)                                                                  \
    SWITCH(melodraHomeButtonCloseEnabled, false)
