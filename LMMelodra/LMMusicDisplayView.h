#pragma once

#include "LMMelodra/LMPlaybackControls.h"
#include "foundation/NSObjCRuntime.h"
#include "overlays/LMDisplayOverlay.h"

class NSTimer;
class UIColor;
class UIFont;
class UIImage;
class UIImageView;
class UILabel;
class UISlider;
class UITapGestureRecognizer;

// The music player: large artwork, the song, the artist and album, previous / play-pause / next,
// and the device's volume on a slider. It follows the media player twice a second for the life
// of the process, shown or not.
class LMMusicDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMMusicDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMMusicDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMMusicDisplayView> create();

    void updateFrame() override;
    void updateTimer(NSTimer*);
    // Texts, artwork, buttons and tint from what is playing.
    void update();

    void playPauseButtonSingleTapRecognizer(UITapGestureRecognizer*);
    void nextButtonSingleTapRecognizer(UITapGestureRecognizer*);
    void prevButtonSingleTapRecognizer(UITapGestureRecognizer*);
    void volumeSliderValueChanged(UISlider*);

    const std::shared_ptr<UIImageView>& nowPlayingArtworkImageView() const
    {
        return m_nowPlayingArtworkImageView;
    }
    const std::shared_ptr<UILabel>& songNameLabel() const { return m_songNameLabel; }
    const std::shared_ptr<UILabel>& artistAndAlbumNameLabel() const { return m_artistAndAlbumNameLabel; }
    const std::shared_ptr<UIImageView>& playPauseButtonImageView() const
    {
        return m_playPauseButtonImageView;
    }
    const std::shared_ptr<UIImageView>& prevButtonImageView() const { return m_prevButtonImageView; }
    const std::shared_ptr<UIImageView>& nextButtonImageView() const { return m_nextButtonImageView; }
    const std::shared_ptr<UISlider>& volumeSlider() const { return m_volumeSlider; }
    const std::shared_ptr<UIImageView>& volumeMinImageView() const { return m_volumeMinImageView; }
    const std::shared_ptr<UIImageView>& volumeMaxImageView() const { return m_volumeMaxImageView; }

protected:
    bool resetsLockScreenDim() const override;

private:
    void buildContent();
    std::shared_ptr<UIImageView> addButton(const char* identifier, std::shared_ptr<UIImage>,
        void (LMMusicDisplayView::*action)(UITapGestureRecognizer*));

    std::shared_ptr<UIColor> m_themeColor;
    LMPlaybackControls m_playback;
    std::shared_ptr<UIImageView> m_nowPlayingArtworkImageView;
    std::shared_ptr<UILabel> m_songNameLabel;
    std::shared_ptr<UILabel> m_artistAndAlbumNameLabel;
    std::shared_ptr<UIImageView> m_playPauseButtonImageView;
    std::shared_ptr<UIImageView> m_prevButtonImageView;
    std::shared_ptr<UIImageView> m_nextButtonImageView;
    std::shared_ptr<UISlider> m_volumeSlider;
    std::shared_ptr<UIImageView> m_volumeMinImageView;
    std::shared_ptr<UIImageView> m_volumeMaxImageView;
};
