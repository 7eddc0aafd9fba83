#include "_LMContainerView/LMView.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "LMMelodra/LMMelodraView.h"
#include "_LMContainerView/LMPanelStyle.h"
#include "base/LMSpringBoard.h"
#include "base/LMSystemVersion.h"
#include "contracts/OBMusicProvider.h"
#include "launcher/LMAppLauncherView.h"
#include "settings/LMSettings.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UIVisualEffectView.h"

#include <algorithm>

void LMView::changeFrame(CGRect rect)
{
    CGFloat width = rect.size.width;
    CGFloat height = rect.size.height;
    auto location = LMLocationFromStored(m_settings->location());
    setFrame(CGRectMake(location == LMLocation::lockScreen ? width : 0, 0, width, height));
    if (m_wallpaperImageView)
        m_wallpaperImageView->setFrame(bounds());
    if (m_blurEffectView)
        m_blurEffectView->setFrame(bounds());

    struct Offsets {
        CGFloat timeContainer, timeDateLabel, alarmTimer, weatherContainer;
    };
    Offsets offsets = !m_settings->shouldShowStatusBar() ? Offsets { 5, 0, 93, 6.25 }
        : location == LMLocation::todayPage              ? Offsets { 5, -5, 88, 3.75 }
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
        m_batteryPercentLabel->setFont(
            LMPanelStyle::lightFont(m_batteryPercentLabel->frame().size.height - 6));
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
        label->setFont(LMPanelStyle::lightFont(label->frame().size.height - 6));
    m_weatherErrorLabel->setFont(LMPanelStyle::lightFont(10));

    if (m_ampiroContainerView)
        bringSubviewToFront(m_ampiroContainerView);

    // The strips and the table follow one another, so the order is load-bearing: the launcher
    // takes its frame from the panel's bounds and rebuilds its icons for it; the music strip
    // stands on the launcher's new frame; the table fills what is left between the clock and the
    // music strip (or the launcher), so it comes last.
    m_appLauncherView->changeFrame(bounds());
    m_appLauncherView->update();
    m_melodraView->changeFrame(bounds());
    m_tableViewController->changeFrame(bounds());
    m_tableViewController->refreshTableViewLayout();
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

void LMView::frameUpdateTimer(NSTimer*)
{
    auto orientation = LMSpringBoard::orientation();
    if (static_cast<long>(orientation) == m_previousInterfaceOrientation)
        return;
    CGSize screen = UIScreen::mainScreen()->bounds().size;
    CGFloat shorter = std::min(screen.width, screen.height);
    CGFloat longer = std::max(screen.width, screen.height);
    changeFrame(orientation == LMOrientation::portrait ? CGRectMake(0, 0, shorter, longer)
                                                       : CGRectMake(0, 0, longer, shorter));
    m_previousInterfaceOrientation = static_cast<int>(orientation);
}

std::optional<CGRect> LMView::shownMelodraFrame() const
{
    if (!m_melodraView || m_melodraView->isHidden())
        return std::nullopt;
    return m_melodraView->frame();
}

std::optional<CGRect> LMView::launcherFrame() const
{
    if (!m_appLauncherView)
        return std::nullopt;
    return m_appLauncherView->frame();
}

std::optional<CGRect> LMView::shownLauncherFrame() const
{
    if (!m_appLauncherView || m_appLauncherView->isHidden())
        return std::nullopt;
    return m_appLauncherView->frame();
}
