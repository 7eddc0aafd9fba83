#include "HostCallLog.h"

#include "contracts/OBMusicProvider.h"
#include "contracts/SBMediaController.h"
#include "springboard/FBRootWindow.h"
#include "springboard/MediaPlayer.h"
#include "uikit/UILabel.h"

#include <cmath>

using namespace springboard;

namespace {

std::vector<orblib::NowPlayingItem> threeTracks()
{
    return { { "One", "Artist A", "Album A", nullptr }, { "Two", "Artist B", "Album B", nullptr },
        { "Three", "Artist C", "Album C", nullptr } };
}

// The device's player outlives a host, as the device does: a respring finds it where it was.
class Media : public ::testing::Test {
protected:
    void boot(Device device)
    {
        m_host.reset();
        m_host = std::make_unique<SpringBoard>(std::move(device));
        m_host->buildWindows();
    }

    SpringBoard& host() { return *m_host; }
    // Found by name, as a tweak finds them.
    std::shared_ptr<contracts::SBMediaController> controller()
    {
        return contracts::shared<contracts::SBMediaController>(objc_getClass("SBMediaController"));
    }
    std::shared_ptr<contracts::OBMusicProvider> provider()
    {
        return contracts::shared<contracts::OBMusicProvider>(objc_getClass("OBMusicProvider"));
    }
    std::string lockScreenText(const std::string& identifier)
    {
        auto label = objc::cast<UILabel>(findView(host().rootWindow(), identifier));
        return label ? label->text() : "(no label " + identifier + ")";
    }

    std::unique_ptr<SpringBoard> m_host;
};

} // namespace

TEST(MediaPlayer, KeepsItsStateWithinWhatARealPlayerCouldBeIn)
{
    MediaPlayer past(threeTracks(), 7, true, 1.5f);
    EXPECT_EQ(past.position(), 2u);
    EXPECT_EQ(past.currentTrack()->song, "Three");
    EXPECT_TRUE(past.isPlaying());
    EXPECT_EQ(past.volume(), 1.0f);

    MediaPlayer empty({}, 3, true, -0.5f);
    EXPECT_EQ(empty.currentTrack(), nullptr);
    EXPECT_FALSE(empty.isPlaying()) << "nothing loaded, nothing plays";
    EXPECT_TRUE(empty.isFirstTrack());
    EXPECT_TRUE(empty.isLastTrack());
    EXPECT_FALSE(empty.changeTrack(1));
    EXPECT_FALSE(empty.setPlaying(true));
    EXPECT_EQ(empty.volume(), 0.0f);
    EXPECT_TRUE(empty.setVolume(0.25f)) << "the volume is the device's, playing or not";

    EXPECT_FALSE(empty.setVolume(NAN));
    EXPECT_EQ(empty.volume(), 0.25f);
}

TEST(MediaPlayer, StepsThroughTheQueueAndStopsAtEitherEnd)
{
    struct Step {
        int step;
        bool changed;
        std::size_t position;
        bool first;
        bool last;
    };
    const Step steps[] = {
        { -1, false, 0, true, false },
        { 1, true, 1, false, false },
        { 1, true, 2, false, true },
        { 1, false, 2, false, true },
        { -5, true, 0, true, false },
        { 2, true, 2, false, true },
    };
    MediaPlayer player(threeTracks());
    for (auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << step.step << " to " << step.position);
        EXPECT_EQ(player.changeTrack(step.step), step.changed);
        EXPECT_EQ(player.position(), step.position);
        EXPECT_EQ(player.isFirstTrack(), step.first);
        EXPECT_EQ(player.isLastTrack(), step.last);
    }
}

TEST_F(Media, TheSupportLibraryAndTheLockScreenFollowWhatTheControllerDoes)
{
    Device device;
    device.media = MediaPlayer(threeTracks(), 0, false, 0.4f);
    boot(device);
    auto media = controller();
    auto music = provider();
    ASSERT_TRUE(media && music);
    EXPECT_FALSE(media->isPlaying());
    EXPECT_TRUE(music->nowPlayingInfoExists()) << "a paused track is still now playing";
    EXPECT_EQ(music->nowPlayingSongName(), "One");

    media->play();
    EXPECT_TRUE(media->isPlaying());
    EXPECT_NE(lockScreenText("_transportControls").find("\u275A\u275A"), std::string::npos)
        << "the lock screen's own controls show a pause button";

    media->changeTrack(1);
    EXPECT_EQ(music->nowPlayingSongName(), "Two");
    EXPECT_EQ(music->nowPlayingArtistName(), "Artist B");
    EXPECT_EQ(music->nowPlayingAlbumName(), "Album B");
    EXPECT_EQ(lockScreenText("_titleLabel"), "Two");
    EXPECT_FALSE(media->isFirstTrack());
    EXPECT_FALSE(media->isLastTrack());
    EXPECT_TRUE(media->isPlaying()) << "skipping keeps playing";

    EXPECT_FLOAT_EQ(media->volume(), 0.4f);
    media->setVolume(0.8f);
    EXPECT_FLOAT_EQ(media->volume(), 0.8f);

    media->pause();
    EXPECT_FALSE(media->isPlaying());
    EXPECT_EQ(music->nowPlayingSongName(), "Two");

    host().stopMusic();
    EXPECT_FALSE(music->nowPlayingInfoExists()) << "the app playing quit";
    EXPECT_EQ(lockScreenText("_titleLabel"), "Not Playing");
    EXPECT_FLOAT_EQ(media->volume(), 0.8f);
}

TEST_F(Media, ARespringFindsThePlayerWhereItWas)
{
    Device device;
    device.media = MediaPlayer(threeTracks(), 0, true);
    boot(device);
    host().changeTrack(2);
    host().setVolume(0.1f);
    host().setMusicPlaying(false);
    boot(host().device());
    EXPECT_EQ(provider()->nowPlayingSongName(), "Three");
    EXPECT_TRUE(controller()->isLastTrack());
    EXPECT_FALSE(controller()->isPlaying());
    EXPECT_FLOAT_EQ(controller()->volume(), 0.1f);
}

TEST_F(Media, WithNothingLoadedNothingPlaysAndTheVolumeStillMoves)
{
    boot(Device {});
    auto media = controller();
    auto music = provider();
    EXPECT_FALSE(music->nowPlayingInfoExists());
    EXPECT_EQ(music->nowPlayingSongName(), "");
    media->play();
    media->changeTrack(1);
    EXPECT_FALSE(media->isPlaying());
    EXPECT_TRUE(media->isFirstTrack() && media->isLastTrack());
    EXPECT_EQ(lockScreenText("_titleLabel"), "(no label _titleLabel)") << "no media controls come up";
    media->setVolume(0.3f);
    EXPECT_FLOAT_EQ(media->volume(), 0.3f);
}
