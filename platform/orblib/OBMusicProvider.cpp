#include "orblib/OBMusicProvider.h"

#include "dispatch/SharedInstance.h"
#include "orblib/DeviceNowPlaying.h"
#include "uikit/UIImage.h"

namespace orblib {
namespace {

std::shared_ptr<NSObject> sharedInstanceImplementation(Class, SEL)
{
    return OBMusicProvider::sharedInstance();
}

} // namespace

std::shared_ptr<OBMusicProvider> OBMusicProvider::sharedInstance()
{
    return dispatch::sharedInstance<OBMusicProvider>();
}

bool OBMusicProvider::nowPlayingInfoExists()
{
    return DeviceNowPlaying::item() != nullptr;
}

std::string OBMusicProvider::nowPlayingSongName()
{
    auto item = DeviceNowPlaying::item();
    return item ? item->song : std::string();
}

std::string OBMusicProvider::nowPlayingArtistName()
{
    auto item = DeviceNowPlaying::item();
    return item ? item->artist : std::string();
}

std::string OBMusicProvider::nowPlayingAlbumName()
{
    auto item = DeviceNowPlaying::item();
    return item ? item->album : std::string();
}

std::shared_ptr<UIImage> OBMusicProvider::nowPlayingArtworkImage()
{
    auto item = DeviceNowPlaying::item();
    return item ? item->artwork : nullptr;
}

void OBMusicProvider::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::sharedInstance, &sharedInstanceImplementation);
}

} // namespace orblib
