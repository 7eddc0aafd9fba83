#pragma once

#include "contracts/OBMusicProvider.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>

namespace orblib {

// The device's now-playing item (DeviceNowPlaying), read afresh on every call. Without an item
// the names are empty and there is no artwork.
class OBMusicProvider : public NSObject, public contracts::OBMusicProvider {
    OBJC_CLASS(OBMusicProvider, NSObject)
public:
    static std::shared_ptr<OBMusicProvider> sharedInstance();
    static std::shared_ptr<OBMusicProvider> create() { return std::make_shared<OBMusicProvider>(); }

    bool nowPlayingInfoExists() override;
    std::string nowPlayingSongName() override;
    std::string nowPlayingArtistName() override;
    std::string nowPlayingAlbumName() override;
    std::shared_ptr<UIImage> nowPlayingArtworkImage() override;

    // Makes the class, with its class-side sharedInstance, findable by name.
    static void registerClass();
};

} // namespace orblib
