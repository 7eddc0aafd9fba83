#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// Playback of the now-playing app.
class SBMediaController {
public:
    virtual ~SBMediaController() = default;
    virtual bool isPlaying() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual bool isFirstTrack() = 0;
    virtual bool isLastTrack() = 0;
    // +1 skips to the next track, -1 goes back.
    virtual void changeTrack(int delta) = 0;
    // From 0 to 1.
    virtual float volume() = 0;
    virtual void setVolume(float volume) = 0;
};

} // namespace contracts
