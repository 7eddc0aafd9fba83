#pragma once

#include "orblib/DeviceNowPlaying.h"

#include <cstddef>
#include <vector>

namespace springboard {

// The device's media player: a queue of tracks, the one it stands on, whether it plays, and the
// device's volume. Nothing loaded (an empty queue) is a state of its own: no track, nothing
// playing, nowhere to skip to; the volume is the device's whatever plays.
//
// Whatever is given is brought within bounds (the position into the queue, the volume into
// 0 to 1, an empty queue paused), so the player is never in a state a real one could not be in.
class MediaPlayer {
public:
    static constexpr float defaultVolume = 0.5f;

    MediaPlayer() = default;
    explicit MediaPlayer(std::vector<orblib::NowPlayingItem> queue, std::size_t position = 0,
        bool playing = false, float volume = defaultVolume);

    const std::vector<orblib::NowPlayingItem>& queue() const { return m_queue; }
    std::size_t position() const { return m_position; }
    // Nothing when nothing is loaded.
    const orblib::NowPlayingItem* currentTrack() const;
    bool isPlaying() const { return m_playing; }
    // With nothing loaded there is no track to go to either way.
    bool isFirstTrack() const { return m_position == 0; }
    bool isLastTrack() const { return m_queue.empty() || m_position + 1 == m_queue.size(); }
    float volume() const { return m_volume; }

    // Each answers whether the player changed. Playing needs a queue; a step past either end of
    // the queue stops there; a volume outside 0 to 1 is taken to the nearer end, and one that
    // is not a number is ignored.
    bool setPlaying(bool);
    bool changeTrack(int step);
    bool setVolume(float);
    // Lets go of the queue, as when the app playing it quits; the volume stays.
    bool unload();

private:
    std::vector<orblib::NowPlayingItem> m_queue;
    std::size_t m_position { 0 };
    bool m_playing { false };
    float m_volume { defaultVolume };
};

} // namespace springboard
