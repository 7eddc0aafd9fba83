#pragma once

#include "springboard/MediaPlayer.h"

#include <string>

class ProfileReader;

// The profile's "nowPlaying": the media player's queue of tracks, where it stands, whether it
// plays, and the device's volume; null for nothing loaded.
class NowPlayingProfile {
public:
    // A queue long enough for any script, and its artwork still small in memory.
    static constexpr int maximumTracks = 100;

    // Throws InputError naming the key when the value is not as sim/README.md describes.
    static springboard::MediaPlayer read(const ProfileReader&, const std::string& profileFolder);
};
