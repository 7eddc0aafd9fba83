#pragma once

#include "contracts/ClassMessages.h"

#include <string>

class UIImage;

namespace contracts {

// What is playing now: the media player's current track, paused or not, read afresh on every
// call. Without one the texts are empty and there is no artwork; a track may lack artwork too.
class OBMusicProvider {
public:
    virtual ~OBMusicProvider() = default;
    virtual bool nowPlayingInfoExists() = 0;
    virtual std::string nowPlayingSongName() = 0;
    virtual std::string nowPlayingArtistName() = 0;
    virtual std::string nowPlayingAlbumName() = 0;
    virtual std::shared_ptr<UIImage> nowPlayingArtworkImage() = 0;
};

} // namespace contracts
