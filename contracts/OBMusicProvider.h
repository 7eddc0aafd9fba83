#pragma once

#include "contracts/ClassMessages.h"

#include <string>

class UIImage;

namespace contracts {

// What is playing now.
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
