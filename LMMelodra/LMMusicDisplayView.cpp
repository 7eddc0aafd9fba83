#include "LMMelodra/LMMusicDisplayView.h"

#include "LMMelodra/LMMelodraImages.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/SBMediaController.h"
#include "contracts/UIImageOBAdditions.h"
#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UISlider.h"
#include "uikit/UITapGestureRecognizer.h"

namespace {

constexpr NSTimeInterval refreshInterval = 0.5;

// The layout's fractions are single-precision constants.
CGFloat part(CGFloat length, float fraction)
{
    return length * static_cast<double>(fraction);
}

void centreHorizontally(UIView& view, CGFloat x)
{
    view.setCenter(CGPointMake(x, view.center().y));
}

} // namespace

std::shared_ptr<LMMusicDisplayView> LMMusicDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMMusicDisplayView>();
}

std::shared_ptr<LMMusicDisplayView> LMMusicDisplayView::create()
{
    auto overlay = make<LMMusicDisplayView>(lumora::RootWindowCapture<LMMusicDisplayView>::window());
    if (overlay)
        overlay->buildContent();
    return overlay;
}

void LMMusicDisplayView::buildContent()
{
    auto self = objc::retain(this);
    m_themeColor = settings()->themeColor();

    m_nowPlayingArtworkImageView = addContentImageView("nowPlayingArtworkImageView");
    m_nowPlayingArtworkImageView->setBackgroundColor(UIColor::blackColor());
    m_nowPlayingArtworkImageView->setUserInteractionEnabled(true);
    m_nowPlayingArtworkImageView->layer().setCornerRadius(15.0);
    m_nowPlayingArtworkImageView->layer().setMasksToBounds(true);

    m_playPauseButtonImageView = m_playback.makePlayPauseButton();
    m_playPauseButtonImageView->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
        self, &LMMusicDisplayView::playPauseButtonSingleTapRecognizer));
    displayContainerView()->addSubview(m_playPauseButtonImageView);
    m_nextButtonImageView = addButton("nextButtonImageView", LMMelodraImage("MusicControls/Next"),
        &LMMusicDisplayView::nextButtonSingleTapRecognizer);
    m_prevButtonImageView = addButton("prevButtonImageView", LMMelodraImage("MusicControls/Prev"),
        &LMMusicDisplayView::prevButtonSingleTapRecognizer);

    m_songNameLabel = addContentLabel("songNameLabel", UIColor::whiteColor(), UIFont::boldSystemFontOfSize(17.0), 1);
    m_artistAndAlbumNameLabel = addContentLabel("artistAndAlbumNameLabel", UIColor::whiteColor(), UIFont::systemFontOfSize(15.0), 2);

    m_volumeSlider = UISlider::create();
    m_volumeSlider->setAccessibilityIdentifier("volumeSlider");
    m_volumeSlider->setMinimumValue(0.0);
    m_volumeSlider->setMaximumValue(1.0);
    m_volumeSlider->setThumbTintColor(UIColor::whiteColor());
    m_volumeSlider->setMinimumTrackTintColor(UIColor::whiteColor());
    m_volumeSlider->setMaximumTrackTintColor(UIColor::whiteColor());
    m_volumeSlider->setTransform(CGAffineTransformMakeScale(0.6, 0.6));
    m_volumeSlider->addTarget(
        self, &LMMusicDisplayView::volumeSliderValueChanged, UIControlEventValueChanged);
    displayContainerView()->addSubview(m_volumeSlider);

    m_volumeMinImageView = addContentImageView("volumeMinImageView", LMMelodraImage("MusicControls/MusicLow"));
    m_volumeMaxImageView = addContentImageView("volumeMaxImageView", LMMelodraImage("MusicControls/MusicHigh"));

    NSTimer::scheduledTimerWithTimeInterval(refreshInterval, self, &LMMusicDisplayView::updateTimer, true);
}

std::shared_ptr<UIImageView> LMMusicDisplayView::addButton(const char* identifier,
    std::shared_ptr<UIImage> image, void (LMMusicDisplayView::*action)(UITapGestureRecognizer*))
{
    auto button = addContentImageView(identifier, std::move(image));
    button->setUserInteractionEnabled(true);
    button->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(objc::retain(this), action));
    return button;
}

void LMMusicDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
    CGFloat h = height();
    CGFloat w = width();
    CGFloat button = part(h, 0.06f);

    m_nowPlayingArtworkImageView->setFrame(CGRectMake(-1, part(h, 0.04f), part(h, 0.5f), part(h, 0.5f)));
    centreHorizontally(*m_nowPlayingArtworkImageView, part(w, 0.5f));
    m_songNameLabel->setFrame(CGRectMake(20, part(h, 0.59f), w - 40, part(h, 0.05f)));
    m_artistAndAlbumNameLabel->setFrame(CGRectMake(20, part(h, 0.61f), w - 40, part(h, 0.1f)));

    const std::pair<UIImageView*, float> buttons[] = {
        { m_playPauseButtonImageView.get(), 0.5f },
        { m_prevButtonImageView.get(), 0.2f },
        { m_nextButtonImageView.get(), 0.8f },
    };
    for (auto [view, centre] : buttons) {
        view->setFrame(CGRectMake(-1, part(h, 0.735f), button, button));
        centreHorizontally(*view, part(w, centre));
    }

    m_volumeMinImageView->setFrame(CGRectMake(10, part(h, 0.86f), button, button));
    m_volumeMaxImageView->setFrame(CGRectMake(w - button - 20, part(h, 0.86f), button, button));
    CGRect low = m_volumeMinImageView->frame();
    CGRect high = m_volumeMaxImageView->frame();
    m_volumeSlider->setFrame(CGRectMake(low.origin.x + low.size.width + 5, part(part(h, 0.86f), 1.005f),
        high.origin.x - low.origin.x - button - 20, part(h, 0.05f)));
}

void LMMusicDisplayView::updateTimer(NSTimer*)
{
    m_playback.followPlayback(*m_playPauseButtonImageView);
    if (auto& media = m_playback.mediaController())
        m_volumeSlider->setValue(media->volume());
    update();
}

void LMMusicDisplayView::update()
{
    auto& music = m_playback.musicProvider();
    bool playing = m_playback.nowPlayingInfoExists();
    if (playing) {
        m_nowPlayingArtworkImageView->setImage(music->nowPlayingArtworkImage());
        m_songNameLabel->setText(music->nowPlayingSongName());
        m_artistAndAlbumNameLabel->setText(
            music->nowPlayingArtistName() + "  -  " + music->nowPlayingAlbumName());
        auto& artwork = m_nowPlayingArtworkImageView->image();
        displayContainerView()->setBackgroundColor(artwork && settings()->autoColorMelodraOverlayEnabled()
                ? contracts::UIImageOBAdditions::mergedColor(artwork.get())
                : UIColor::clearColor());
    } else {
        m_songNameLabel->setText("");
        m_artistAndAlbumNameLabel->setText("");
    }
    for (auto& button : { m_playPauseButtonImageView, m_prevButtonImageView, m_nextButtonImageView })
        button->setHidden(!playing);
}

void LMMusicDisplayView::playPauseButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    m_playback.togglePlayback();
}

void LMMusicDisplayView::nextButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    m_playback.nextTrack();
}

void LMMusicDisplayView::prevButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    m_playback.previousTrack();
}

void LMMusicDisplayView::volumeSliderValueChanged(UISlider*)
{
    if (auto& media = m_playback.mediaController())
        media->setVolume(m_volumeSlider->value());
}

bool LMMusicDisplayView::resetsLockScreenDim() const
{
    return settings()->melodraResetLockScreenDim();
}
