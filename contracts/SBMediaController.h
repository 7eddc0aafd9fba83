#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// Playback of the now-playing app: its queue of tracks, the track it stands on, and the device's
// volume. With nothing loaded nothing plays, play does nothing, both ends of the queue are
// reached, and the volume still counts.
class SBMediaController {
public:
    virtual ~SBMediaController() = default;
    virtual bool isPlaying() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual bool isFirstTrack() = 0;
    virtual bool isLastTrack() = 0;
    // A signed step through the queue: +1 skips to the next track, -1 goes back.
    virtual void changeTrack(int step) = 0;
    // From 0 to 1.
    virtual float volume() = 0;
    virtual void setVolume(float volume) = 0;
};

} // namespace contracts
