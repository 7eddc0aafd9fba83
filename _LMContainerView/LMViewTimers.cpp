#include "_LMContainerView/LMView.h"

#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "_LMContainerView/LMPanelState.h"
#include "base/LMSpringBoard.h"
#include "base/LMSystemVersion.h"
#include "contracts/SBUIController.h"
#include "contracts/TimerManager.h"
#include "objc/ClassRef.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"
#include "settings/LMSettings.h"
#include "uikit/NSProcessInfo.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    if (m_timerState == LMTimerState::none || !m_settings->chronelPauseResumeTimerEnabled())
        return;
    auto manager = LMSpringBoard::timerManager();
    if (!manager)
        return;
    if (m_timerState == LMTimerState::paused)
        manager->resume();
    else
        manager->pause();
}

void LMView::alarmTimerLabelLongPressRecognizer(UILongPressGestureRecognizer*)
{
    if (m_timerState == LMTimerState::none || !m_settings->chronelCancelTimerEnabled())
        return;
    if (auto manager = LMSpringBoard::timerManager())
        manager->cancel();
}

void LMView::visibilityHandlerAndTimeUpdateTimer(NSTimer*)
{
    if (LMLocationFromStored(m_settings->location()) == LMLocation::lockScreen) {
        if (lumora::fullscreenBulletinVisible() || LMSpringBoard::callUnderWay())
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
    m_batteryPercentLabel->setText(std::to_string(percent) + "%");

    bool lowPower = LMSystemVersion::isiOS9() && NSProcessInfo::processInfo()->isLowPowerModeEnabled();
    if (auto icon = m_batteryIcons.icon(lowPower, controller && controller->isOnAC(), percent))
        m_currentBatteryStateImageView->setImage(*icon);
}

void LMView::weatherUpdateTimer(NSTimer*)
{
    updateForecastLabels();
}

void LMView::scheduleAndNotificationsUpdateTimer(NSTimer*)
{
    if (LMSpringBoard::screenIsOn() && LMSpringBoard::isUILocked())
        m_tableViewController->reloadTableViewData();
}
