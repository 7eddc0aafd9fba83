#pragma once

#include "LMKalendoMissiva/LMTableLayoutHost.h"
#include "LMMelodra/LMMelodraLayoutHost.h"
#include "_LMContainerView/LMBatteryIcons.h"
#include "base/LMEnums.h"
#include "base/LMKeptLabelText.h"
#include "objc/Make.h"
#include "overlays/LMTimeDisplayDelegate.h"
#include "uikit/UIView.h"

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

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
//
// Its children never see the panel itself: the table and the music strip ask it for the frames
// they follow through their own layout interfaces, and the alarm and timer overlay feeds it
// through its delegate interface.
//
// The work is split by job: construction and instance variables (LMView.cpp), layout
// (LMViewLayout.cpp), the text areas (LMViewTexts.cpp), and timers and taps (LMViewTimers.cpp).
class LMView : public UIView,
               public LMTableLayoutHost,
               public LMMelodraLayoutHost,
               public LMTimeDisplayDelegate {
    OBJC_CLASS(LMView, UIView)
public:
    explicit LMView(objc::ConstructionKey) { }

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
    void setIsAnAlarmActive(bool active) override { m_isAnAlarmActive = active; }
    const std::string& nextAlarmFireTime() const { return m_nextAlarmFireTime; }
    void setNextAlarmFireTime(std::string time) override { m_nextAlarmFireTime = std::move(time); }
    LMTimerState timerState() const { return m_timerState; }
    void setTimerState(LMTimerState state) override { m_timerState = state; }
    // The remaining time or "Timer Paused"; nothing while no timer runs.
    const std::optional<std::string>& timerTimeRemaining() const { return m_timerTimeRemaining; }
    void setTimerTimeRemaining(std::optional<std::string> remaining) override
    {
        m_timerTimeRemaining = std::move(remaining);
    }

    std::optional<CGRect> shownMelodraFrame() const override;
    std::optional<CGRect> launcherFrame() const override;
    std::optional<CGRect> shownLauncherFrame() const override;

private:
    friend struct objc::Construction;
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
    std::shared_ptr<NSAttributedString> alarmTimerText() const;

    using AlarmTimerKey = std::tuple<bool, std::string, LMTimerState, std::optional<std::string>,
        std::shared_ptr<UIImage>, std::shared_ptr<UIImage>>;

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
    LMBatteryIcons m_batteryIcons;
    std::shared_ptr<contracts::OBMusicProvider> m_musicProvider;

    std::shared_ptr<LMTableViewController> m_tableViewController;
    std::shared_ptr<LMAppLauncherView> m_appLauncherView;
    std::shared_ptr<LMMelodraView> m_melodraView;
    bool m_isAnAlarmActive { false };
    std::string m_nextAlarmFireTime;
    LMTimerState m_timerState { LMTimerState::unknown };
    std::optional<std::string> m_timerTimeRemaining;
    LMKeptLabelText<std::pair<std::string, std::string>> m_timeDateText;
    LMKeptLabelText<AlarmTimerKey> m_alarmTimerText;
};
