#include "LMMelodra/LMMelodraView.h"

#include "LMMelodra/LMMelodraLayoutHost.h"
#include "LMMelodra/LMMusicDisplayView.h"
#include "base/LMEnums.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/UIImageOBAdditions.h"
#include "dispatch/NSTimer.h"
#include "settings/LMSettings.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UISwipeGestureRecognizer.h"
#include "uikit/UITapGestureRecognizer.h"

#include <algorithm>

namespace {

constexpr NSTimeInterval refreshInterval = 0.5;

} // namespace

std::shared_ptr<LMMelodraView> LMMelodraView::create()
{
    return objc::make<LMMelodraView>();
}

void LMMelodraView::init()
{
    auto self = objc::retain(this);
    m_settings = LMSettings::sharedInstance();
    setBackgroundColor(UIColor::clearColor());
    setUserInteractionEnabled(true);

    m_backgroundView = UIView::create();
    m_backgroundView->setAccessibilityIdentifier("backgroundView");
    m_backgroundView->setBackgroundColor(UIColor::blackColor());
    m_backgroundView->setAlpha(0.2);
    m_backgroundView->layer().setCornerRadius(5.0);
    m_backgroundView->layer().setMasksToBounds(true);
    m_backgroundView->setUserInteractionEnabled(false);
    addSubview(m_backgroundView);

    m_nowPlayingArtworkImageView = UIImageView::create();
    m_nowPlayingArtworkImageView->setAccessibilityIdentifier("nowPlayingArtworkImageView");
    m_nowPlayingArtworkImageView->setBackgroundColor(UIColor::blackColor());
    m_nowPlayingArtworkImageView->setUserInteractionEnabled(true);
    m_nowPlayingArtworkImageView->layer().setCornerRadius(5.0);
    m_nowPlayingArtworkImageView->layer().setMasksToBounds(true);
    addSubview(m_nowPlayingArtworkImageView);

    m_playPauseButtonImageView = m_playback.makePlayPauseButton();
    m_playPauseButtonImageView->addGestureRecognizer(
        std::make_shared<UITapGestureRecognizer>(self, &LMMelodraView::playPauseButtonSingleTapRecognizer));
    addSubview(m_playPauseButtonImageView);

    m_artistAndSongNameLabel = UILabel::create();
    m_artistAndSongNameLabel->setAccessibilityIdentifier("artistAndSongNameLabel");
    m_artistAndSongNameLabel->setTextColor(UIColor::whiteColor());
    m_artistAndSongNameLabel->setFont(UIFont::systemFontOfSize(11.0));
    m_artistAndSongNameLabel->setNumberOfLines(2);
    m_artistAndSongNameLabel->setTextAlignment(NSTextAlignmentCenter);
    m_artistAndSongNameLabel->setUserInteractionEnabled(false);
    m_artistAndSongNameLabel->setAdjustsFontSizeToFitWidth(true);
    addSubview(m_artistAndSongNameLabel);

    addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
        self, &LMMelodraView::showMusicDisplayViewSingleTapRecognizer));
    if (m_settings->melodraQuickGesturesEnabled()) {
        auto up = std::make_shared<UISwipeGestureRecognizer>(self, &LMMelodraView::swipeUpRecognizer);
        up->setDirection(UISwipeGestureRecognizerDirectionUp);
        addGestureRecognizer(up);
        auto down = std::make_shared<UISwipeGestureRecognizer>(self, &LMMelodraView::swipeDownRecognizer);
        down->setDirection(UISwipeGestureRecognizerDirectionDown);
        addGestureRecognizer(down);
    }

    NSTimer::scheduledTimerWithTimeInterval(refreshInterval, self, &LMMelodraView::updateTimer, true);
}

void LMMelodraView::changeFrame(CGRect rect)
{
    auto panel = superview();
    auto* host = dynamic_cast<const LMMelodraLayoutHost*>(panel.get());
    CGFloat panelHeight = host ? panel->height() : 0;
    CGFloat panelWidth = host ? panel->width() : 0;
    auto launcher = host ? host->shownLauncherFrame() : std::nullopt;

    CGFloat y = panelHeight - stripHeight - 10.0;
    if (launcher)
        y = launcher->origin.y - stripHeight - 10.0;
    else if (LMLocationFromStored(m_settings->location()) == LMLocation::todayPage)
        y = panelHeight - stripHeight - std::max(panelHeight, panelWidth) * static_cast<double>(0.05f);
    setFrame(CGRectMake(20.0, y, rect.size.width - 40.0, stripHeight));
    m_backgroundView->setFrame(bounds());
    m_nowPlayingArtworkImageView->setFrame(CGRectMake(10.0, 4.0, 30.0, 30.0));
    m_playPauseButtonImageView->setFrame(CGRectMake(width() - 30.0 - 5.0, 5.0, 30.0, 30.0));
    CGFloat labelX = CGRectGetMaxX(m_nowPlayingArtworkImageView->frame()) + 5.0;
    m_artistAndSongNameLabel->setFrame(CGRectMake(labelX, 0, width() - 2 * labelX, stripHeight));
}

void LMMelodraView::update()
{
    if (!m_playback.nowPlayingInfoExists())
        return;
    auto& music = m_playback.musicProvider();
    m_artistAndSongNameLabel->setText(music->nowPlayingArtistName() + "  -  " + music->nowPlayingSongName());
    m_nowPlayingArtworkImageView->setImage(music->nowPlayingArtworkImage());
    auto& artwork = m_nowPlayingArtworkImageView->image();
    m_backgroundView->setBackgroundColor(artwork && m_settings->autoColorMelodraSectionEnabled()
            ? contracts::UIImageOBAdditions::mergedColor(artwork.get())
            : UIColor::blackColor());
}

void LMMelodraView::updateTimer(NSTimer*)
{
    m_playback.followPlayback(*m_playPauseButtonImageView);
    update();
}

void LMMelodraView::playPauseButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    m_playback.togglePlayback();
}

void LMMelodraView::showMusicDisplayViewSingleTapRecognizer(UITapGestureRecognizer*)
{
    if (!m_settings->melodraOverlayEnabled())
        return;
    if (auto overlay = LMMusicDisplayView::sharedInstance())
        overlay->show();
}

void LMMelodraView::swipeUpRecognizer(UISwipeGestureRecognizer*)
{
    m_playback.nextTrack();
}

void LMMelodraView::swipeDownRecognizer(UISwipeGestureRecognizer*)
{
    m_playback.previousTrack();
}
