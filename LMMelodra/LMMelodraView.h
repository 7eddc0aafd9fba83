#pragma once

#include "LMMelodra/LMPlaybackControls.h"
#include "objc/Make.h"
#include "uikit/UIView.h"

#include <memory>

class LMSettings;
class NSTimer;
class UISwipeGestureRecognizer;
class UITapGestureRecognizer;
class UIImageView;
class UILabel;

// The now-playing strip just above the app launcher: the artwork, the artist and the song, and a
// play/pause button. It follows the media player twice a second for the life of the process;
// a tap opens the music player, and with quick gestures on a swipe up or down skips a track.
class LMMelodraView : public UIView {
    OBJC_CLASS(LMMelodraView, UIView)
public:
    explicit LMMelodraView(objc::ConstructionKey) { }

    // The strip's height, whatever the panel's size.
    static constexpr CGFloat stripHeight = 40.0;

    // Makes the strip and starts its refresh (what `new` does).
    static std::shared_ptr<LMMelodraView> create();

    // Positions the strip from the panel's bounds and lays out its subviews.
    void changeFrame(CGRect rect);
    // The text, the artwork and the tint from what is playing; kept as they are when nothing is.
    void update();
    void updateTimer(NSTimer*);

    void playPauseButtonSingleTapRecognizer(UITapGestureRecognizer*);
    void showMusicDisplayViewSingleTapRecognizer(UITapGestureRecognizer*);
    void swipeUpRecognizer(UISwipeGestureRecognizer*);
    void swipeDownRecognizer(UISwipeGestureRecognizer*);

    const std::shared_ptr<UIView>& backgroundView() const { return m_backgroundView; }
    const std::shared_ptr<UIImageView>& nowPlayingArtworkImageView() const
    {
        return m_nowPlayingArtworkImageView;
    }
    const std::shared_ptr<UILabel>& artistAndSongNameLabel() const { return m_artistAndSongNameLabel; }
    const std::shared_ptr<UIImageView>& playPauseButtonImageView() const
    {
        return m_playPauseButtonImageView;
    }

private:
    friend struct objc::Construction;
    void init();

    std::shared_ptr<LMSettings> m_settings;
    LMPlaybackControls m_playback;
    std::shared_ptr<UIView> m_backgroundView;
    std::shared_ptr<UIImageView> m_nowPlayingArtworkImageView;
    std::shared_ptr<UILabel> m_artistAndSongNameLabel;
    std::shared_ptr<UIImageView> m_playPauseButtonImageView;
};
