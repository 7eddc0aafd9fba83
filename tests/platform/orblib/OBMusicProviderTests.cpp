#include "contracts/OBMusicProvider.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceNowPlaying.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestImages.h"

#include <gtest/gtest.h>

TEST(OBMusicProvider, FollowsTheDevicesNowPlayingItemThroughOneSharedInstance)
{
    objc::Runtime::beginProcess();
    orblib::registerClasses();
    static objc::ClassRef providerClass { "OBMusicProvider" };
    orblib::DeviceNowPlaying::setItem(std::nullopt);
    auto music = contracts::shared<contracts::OBMusicProvider>(providerClass);
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(contracts::shared<contracts::OBMusicProvider>(providerClass), music);

    EXPECT_FALSE(music->nowPlayingInfoExists());
    EXPECT_EQ(music->nowPlayingSongName(), "");
    EXPECT_EQ(music->nowPlayingArtworkImage(), nullptr);

    auto artwork = imageOf(1, { { 255, 0, 0, 255 } });
    orblib::DeviceNowPlaying::setItem(orblib::NowPlayingItem { "Song", "Artist", "Album", artwork });
    EXPECT_TRUE(music->nowPlayingInfoExists());
    EXPECT_EQ(music->nowPlayingSongName(), "Song");
    EXPECT_EQ(music->nowPlayingArtistName(), "Artist");
    EXPECT_EQ(music->nowPlayingAlbumName(), "Album");
    EXPECT_EQ(music->nowPlayingArtworkImage(), artwork);

    orblib::DeviceNowPlaying::setItem(std::nullopt);
    EXPECT_FALSE(music->nowPlayingInfoExists());
    EXPECT_EQ(music->nowPlayingArtistName(), "");
}
