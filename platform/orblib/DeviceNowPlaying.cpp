#include "orblib/DeviceNowPlaying.h"

#include "foundation/DeviceSetting.h"
#include "uikit/UIImage.h"

namespace orblib {
namespace {

foundation::DeviceSetting<const NowPlayingItem>& itemSetting()
{
    static foundation::DeviceSetting<const NowPlayingItem> setting { nullptr };
    return setting;
}

} // namespace

std::shared_ptr<const NowPlayingItem> DeviceNowPlaying::item()
{
    return itemSetting().get();
}

void DeviceNowPlaying::setItem(std::optional<NowPlayingItem> item)
{
    // The device's, whichever process published it.
    if (item && item->artwork)
        objc::keepAcrossProcesses(*item->artwork);
    itemSetting().set(item ? std::make_shared<const NowPlayingItem>(std::move(*item)) : nullptr);
}

} // namespace orblib
