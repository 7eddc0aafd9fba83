#include "MusicScene.h"

#include "contracts/SBMediaController.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UISlider.h"

#include <gtest/gtest.h>

namespace {

// The player opened as a person opens it, by a tap on the strip.
void openPlayer(MusicScene& scene)
{
    scene.advance(1.1);
    scene.tap(scene.strip());
    scene.advance(0.5);
    ASSERT_TRUE(scene.player().isActive());
}

bool buttonsShown(const MusicScene& scene)
{
    bool shown = true;
    for (auto field : { "playPauseButtonImageView", "prevButtonImageView", "nextButtonImageView" })
        shown = shown && !scene.playerView(field)->isHidden();
    return shown;
}

} // namespace

// Against tests/LMMelodra/expected/NAME.txt. Upright on a 375 x 667 screen: the artwork 333.5
// square at y 26.68 centred at x 187.5; the buttons 40.02 square at y 490.245 centred at x 75,
// 187.5 and 300; the volume icons at y 573.62, the low one at x 10, the high one at x 314.98.
TEST(MusicDisplayView, LaysItselfOutUprightAndOnItsSide)
{
    struct Case {
        const char* name;
        int orientation;
    };
    for (auto [name, orientation] : { Case { "player-portrait", 1 }, Case { "player-landscape", 3 } }) {
        SCOPED_TRACE(name);
        MusicScene scene;
        scene.host().setOrientation(orientation);
        openPlayer(scene);
        EXPECT_TRUE(matchesExpectedLayout(scene.player(), name, "tests/LMMelodra"));
    }
}

TEST(MusicDisplayView, ShowsTheTrackAndSkipsThroughTheQueueButNotPastItsEnds)
{
    MusicScene scene;
    openPlayer(scene);
    EXPECT_EQ(scene.playerView<UILabel>("songNameLabel")->text(), "Song 1");
    EXPECT_EQ(scene.playerView<UILabel>("artistAndAlbumNameLabel")->text(), "Artist 1  -  Album 1");
    EXPECT_EQ(scene.player().displayContainerView()->backgroundColor()->hexString(), "#ff0000ff");

    auto next = scene.playerView("nextButtonImageView");
    auto previous = scene.playerView("prevButtonImageView");
    struct Step {
        std::shared_ptr<UIView> button;
        const char* song;
    };
    const Step steps[] = { { previous, "Song 1" }, { next, "Song 2" }, { next, "Song 3" }, { next, "Song 3" },
        { previous, "Song 2" } };
    for (auto& step : steps) {
        scene.tap(*step.button);
        EXPECT_EQ(scene.nowPlayingSong(), step.song);
    }
    scene.advance(0.5);
    EXPECT_EQ(scene.playerView<UILabel>("songNameLabel")->text(), "Song 2");
    EXPECT_EQ(scene.playerView<UIImageView>("nowPlayingArtworkImageView")->image(),
        scene.host().device().media.currentTrack()->artwork);

    scene.setPreferences({ { "autoColorMelodraOverlayEnabled", "NO" } });
    scene.advance(0.5);
    EXPECT_EQ(scene.player().displayContainerView()->backgroundColor()->hexString(), "#00000000")
        << "clear with auto colour off";
}

TEST(MusicDisplayView, PlaysAndPausesAndFollowsAChangeMadeElsewhereWithinHalfASecond)
{
    MusicScene scene;
    openPlayer(scene);
    auto button = scene.playerView<UIImageView>("playPauseButtonImageView");
    EXPECT_EQ(button->image()->name(), "MusicControls/Pause");
    scene.tap(*button);
    EXPECT_FALSE(scene.media()->isPlaying());
    scene.advance(0.5);
    EXPECT_EQ(button->image()->name(), "MusicControls/Play");
    scene.host().setMusicPlaying(true);
    scene.advance(0.5);
    EXPECT_EQ(button->image()->name(), "MusicControls/Pause");
}

TEST(MusicDisplayView, TheSliderFollowsTheVolumeAndSetsItWhileDragged)
{
    MusicScene scene;
    openPlayer(scene);
    auto slider = scene.playerView<UISlider>("volumeSlider");
    EXPECT_FLOAT_EQ(slider->value(), 0.5f);
    scene.host().setVolume(0.8f);
    scene.advance(0.5);
    EXPECT_FLOAT_EQ(slider->value(), 0.8f) << "the volume buttons pressed elsewhere";

    scene.touchDown(*slider, 0.5);
    scene.moveTo(*slider, 0.1);
    float whileDragged = scene.media()->volume();
    EXPECT_LT(whileDragged, 0.3f) << "set as the thumb moves, before the finger lifts";
    EXPECT_FLOAT_EQ(slider->value(), whileDragged);
    scene.moveTo(*slider, 0.9);
    scene.touchUp();
    EXPECT_GT(scene.media()->volume(), 0.7f);
    scene.advance(0.5);
    EXPECT_FLOAT_EQ(slider->value(), scene.media()->volume());
}

TEST(MusicDisplayView, WithNothingPlayingTheTextsEmptyAndTheButtonsGoButTheArtworkAndTheSliderStay)
{
    MusicScene scene;
    openPlayer(scene);
    auto artwork = scene.playerView<UIImageView>("nowPlayingArtworkImageView")->image();
    EXPECT_TRUE(buttonsShown(scene));
    scene.host().stopMusic();
    scene.advance(0.5);
    EXPECT_EQ(scene.playerView<UILabel>("songNameLabel")->text(), "");
    EXPECT_EQ(scene.playerView<UILabel>("artistAndAlbumNameLabel")->text(), "");
    for (auto field : { "playPauseButtonImageView", "prevButtonImageView", "nextButtonImageView" })
        EXPECT_TRUE(scene.playerView(field)->isHidden()) << field;
    EXPECT_EQ(scene.playerView<UIImageView>("nowPlayingArtworkImageView")->image(), artwork);

    auto slider = scene.playerView<UISlider>("volumeSlider");
    scene.touchDown(*slider, 0.5);
    scene.moveTo(*slider, 0.05);
    scene.touchUp();
    EXPECT_LT(scene.media()->volume(), 0.2f) << "the slider still sets the volume";
}

TEST(MusicDisplayView, ClosesByTheDisplayFamilysCloseGesture)
{
    MusicScene scene;
    openPlayer(scene);
    // Swipes down that start on the slider or on a button are theirs.
    for (auto field : { "volumeSlider", "playPauseButtonImageView", "nextButtonImageView" }) {
        scene.swipe(*scene.playerView(field), UISwipeGestureRecognizerDirectionDown);
        scene.advance(0.5);
        EXPECT_TRUE(scene.player().isActive()) << field;
    }
    EXPECT_TRUE(scene.media()->isPlaying());
    EXPECT_EQ(scene.nowPlayingSong(), "Song 1");
    scene.swipe(*scene.playerView("songNameLabel"), UISwipeGestureRecognizerDirectionUp);
    scene.advance(0.5);
    EXPECT_TRUE(scene.player().isActive()) << "only a downward swipe closes";

    scene.swipe(*scene.playerView("nowPlayingArtworkImageView"), UISwipeGestureRecognizerDirectionDown);
    EXPECT_FALSE(scene.player().isActive());
    scene.advance(0.5);
    EXPECT_TRUE(scene.player().isHidden());
    EXPECT_TRUE(scene.media()->isPlaying()) << "closing the player leaves the music alone";
}
