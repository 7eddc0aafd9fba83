#pragma once

#include "uikit/UIView.h"

#include <memory>
#include <optional>
#include <string>

class LMAppLauncherView;
class LMMelodraView;
class LMSettings;
class LMTableViewController;
class NSBundle;
class NSDate;
class NSTimer;
class UIImage;
class UIImageView;
class UILabel;
class UILongPressGestureRecognizer;
class UITapGestureRecognizer;
class UIVisualEffectView;
namespace contracts {
class OBMusicProvider;
}

// The information panel: clock, alarm/timer line, battery, weather, the schedule and
// notification table, the app launcher and the music strip, over an optional blurred copy of the
// wallpaper. One per process; it keeps itself current with its timers.
class LMView : public UIView {
    OBJC_CLASS(LMView, UIView)
public:
    // The one panel, made on first use.
    static std::shared_ptr<LMView> sharedInstance();
    // Makes and builds a panel (what `new` does); publishes it as the shared panel.
    static std::shared_ptr<LMView> create();
    static void registerInstanceVariables(Class);

    // Places the panel and lays out every area for the given bounds.
    void changeFrame(CGRect rect);
    // The three text areas, then the colours.
    void updateLabels();
    // Reloads the table, then updateLabels.
    void update();
    void updateViewVisibilites();
    // Closes open overlays; with the home-button flag only those whose setting allows it.
    // Answers whether it closed any.
    bool hideAnyShowingDisplayViewsBecauseHomeButtonPressed(bool homeButtonPressed);

    void updateTimeDatelabels();
    std::string timeFromNSDate(const std::shared_ptr<NSDate>& date);
    std::string dateFromNSDate(const std::shared_ptr<NSDate>& date);
    void updateAlarmTimerLabel();
    void updateForecastLabels();

    void timeContainerSingleTapRecognizer(UITapGestureRecognizer*);
    void weatherContainerSingleTapRecognizer(UITapGestureRecognizer*);
    void ampiroContainerSingleTapRecognizer(UITapGestureRecognizer*);
    void alarmTimerLabelSingleTapRecognizer(UITapGestureRecognizer*);
    void alarmTimerLabelLongPressRecognizer(UILongPressGestureRecognizer*);

    void frameUpdateTimer(NSTimer*);
    void visibilityHandlerAndTimeUpdateTimer(NSTimer*);
    void weatherUpdateTimer(NSTimer*);
    void scheduleAndNotificationsUpdateTimer(NSTimer*);

    const std::shared_ptr<LMTableViewController>& tableViewController() const
    {
        return m_tableViewController;
    }
    const std::shared_ptr<LMAppLauncherView>& appLauncherView() const { return m_appLauncherView; }
    const std::shared_ptr<LMMelodraView>& melodraView() const { return m_melodraView; }

    // Fed once a second by the alarm and timer overlay.
    bool isAnAlarmActive() const { return m_isAnAlarmActive; }
    void setIsAnAlarmActive(bool active) { m_isAnAlarmActive = active; }
    const std::string& nextAlarmFireTime() const { return m_nextAlarmFireTime; }
    void setNextAlarmFireTime(std::string time) { m_nextAlarmFireTime = std::move(time); }
    // 1 stopped, 2 paused, 3 running; -1 until first set.
    int timerState() const { return m_timerState; }
    void setTimerState(int state) { m_timerState = state; }
    // The remaining time or "Timer Paused"; nothing while no timer runs.
    const std::optional<std::string>& timerTimeRemaining() const { return m_timerTimeRemaining; }
    void setTimerTimeRemaining(std::optional<std::string> remaining)
    {
        m_timerTimeRemaining = std::move(remaining);
    }

private:
    void init();
    void addBackground();
    void addChronel();
    void addForecast();
    void addAmpiro();
    void addKalendoMissivaTableView();
    void addSkipra();
    void addMelodraView();
    // The percentage and the icon, from SpringBoard's charge and charger.
    void updateBatteryIndicator();

    std::shared_ptr<LMSettings> m_settings;
    std::shared_ptr<NSBundle> m_lumoraBundle;
    int m_previousInterfaceOrientation { -1 };
    std::shared_ptr<UIImageView> m_wallpaperImageView;
    std::shared_ptr<UIVisualEffectView> m_blurEffectView;
    std::shared_ptr<UIView> m_timeContainerView;
    std::shared_ptr<UILabel> m_timeDateLabel;
    std::shared_ptr<UILabel> m_alarmTimerLabel;
    std::shared_ptr<UIImage> m_alarmImage;
    std::shared_ptr<UIImage> m_timerImage;
    std::shared_ptr<UIView> m_weatherContainerView;
    std::shared_ptr<UILabel> m_weatherIconAndConditionNameLabel;
    std::shared_ptr<UILabel> m_highLowLabel;
    std::shared_ptr<UILabel> m_temperatureLabel;
    std::shared_ptr<UILabel> m_weatherErrorLabel;
    std::shared_ptr<UIView> m_ampiroContainerView;
    std::shared_ptr<UILabel> m_batteryPercentLabel;
    std::shared_ptr<UIImageView> m_currentBatteryStateImageView;
    // Charging, then draining 0, 10, ... 100; the same for low-power mode.
    std::shared_ptr<UIImage> m_batteryImages[12];
    std::shared_ptr<UIImage> m_lowPowerBatteryImages[12];
    std::shared_ptr<contracts::OBMusicProvider> m_musicProvider;

    std::shared_ptr<LMTableViewController> m_tableViewController;
    std::shared_ptr<LMAppLauncherView> m_appLauncherView;
    std::shared_ptr<LMMelodraView> m_melodraView;
    bool m_isAnAlarmActive { false };
    std::string m_nextAlarmFireTime;
    int m_timerState { -1 };
    std::optional<std::string> m_timerTimeRemaining;
};
