#pragma once

#include <memory>
#include <optional>
#include <string>

class UIImage;

namespace orblib {

// What the device's media player has loaded: a song with its artist, album and artwork.
struct NowPlayingItem {
    std::string song;
    std::string artist;
    std::string album;
    // Nothing when the item has no artwork.
    std::shared_ptr<UIImage> artwork;
};

// The device's now-playing item as the support library finds it. It belongs to the device:
// whoever boots it or drives its player (the host, a test, the simulator) sets it, a restarted
// host sees the same, and any thread may read it. A device starts with nothing loaded.
class DeviceNowPlaying {
public:
    static std::shared_ptr<const NowPlayingItem> item();
    static void setItem(std::optional<NowPlayingItem>);
};

} // namespace orblib
