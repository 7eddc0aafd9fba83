#pragma once

#include <memory>

class UIImage;
class UIImageView;

namespace contracts {
class OBMusicProvider;
class SBMediaController;
}

// What the music strip and the music player share of playback: the now-playing source, the
// media controller's commands with the rules both follow, and their play/pause button, which
// shows the play picture while paused and the pause picture while playing.
//
// What the button stands for is kept apart from the picture it shows: with the pictures missing
// from the bundle both are nothing, and the button must still pause what plays.
class LMPlaybackControls {
public:
    LMPlaybackControls();

    const std::shared_ptr<contracts::OBMusicProvider>& musicProvider() const { return m_musicProvider; }
    const std::shared_ptr<contracts::SBMediaController>& mediaController() const { return m_mediaController; }
    bool nowPlayingInfoExists() const;

    // A button showing the play picture, as both views make it.
    std::shared_ptr<UIImageView> makePlayPauseButton() const;
    // Brings the button's picture in line with the playback state (each timer tick's first step).
    void followPlayback(UIImageView& button);
    // Plays or pauses, as the button stands; nothing without now-playing information. The
    // picture follows at the next tick.
    void togglePlayback();
    // A track forward or back, unless the queue ends there.
    void nextTrack();
    void previousTrack();

private:
    std::shared_ptr<contracts::OBMusicProvider> m_musicProvider;
    std::shared_ptr<contracts::SBMediaController> m_mediaController;
    std::shared_ptr<UIImage> m_playButtonImage;
    std::shared_ptr<UIImage> m_pauseButtonImage;
    bool m_buttonMeansPause { false };
};
