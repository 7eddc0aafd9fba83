// Not yet tested: the label's shrinking of a long text (the toolkit's, tested there).
#include "MusicScene.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBMediaController.h"
#include "contracts/UIImageOBAdditions.h"
#include "springboard/ResourceBundleInstaller.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string imageName(const std::shared_ptr<UIView>& view)
{
    auto image = std::dynamic_pointer_cast<UIImageView>(view)->image();
    return image ? image->name() : "none";
}

std::string tint(const MusicScene& scene)
{
    auto color = scene.stripView("backgroundView")->backgroundColor();
    return color ? color->hexString() : "none";
}

} // namespace

TEST(MelodraView, ShowsTheArtworkTheArtistAndTheSongAndAPauseButtonWhilePlaying)
{
    MusicScene scene;
    scene.advance(1.1);
    EXPECT_FALSE(scene.strip().isHidden());
    EXPECT_EQ(scene.stripView<UILabel>("artistAndSongNameLabel")->text(), "Artist 1  -  Song 1");
    EXPECT_EQ(scene.stripView<UIImageView>("nowPlayingArtworkImageView")->image(),
        scene.host().device().media.currentTrack()->artwork);
    EXPECT_EQ(imageName(scene.stripView("playPauseButtonImageView")), "MusicControls/Pause");
    EXPECT_EQ(tint(scene), "#ff0000ff") << "the red artwork's colour";
    EXPECT_EQ(scene.stripView("backgroundView")->alpha(), 0.2) << "a light tint";
}

// Each case's strip against tests/LMMelodra/expected/NAME.txt: 335 wide at x 20 on a 375-point
// panel, the button at x 300, the label 245 wide at x 45; above the launcher (y 559.6), at the
// panel's foot without it (617), and on the Today page without it (667 - 40 - 667 x 0.05).
TEST(MelodraView, StandsAboveTheLauncherOrAtTheFootOfThePanel)
{
    struct Case {
        const char* name;
        Preferences preferences;
        bool todayPage = false;
    };
    const Case cases[] = {
        { "strip-above-launcher", {} },
        { "strip-without-launcher", { { "skipraEnabled", "NO" } } },
        { "strip-today-page-without-launcher", { { "skipraEnabled", "NO" }, { "location", "2" } }, true },
    };
    for (auto& test : cases) {
        SCOPED_TRACE(test.name);
        MusicScene scene(MusicScene::playingPhone(), test.preferences);
        if (test.todayPage)
            scene.host().openTodayPage();
        scene.advance(1.1);
        EXPECT_TRUE(matchesExpectedLayout(scene.strip(), test.name, "tests/LMMelodra"));
    }
}

TEST(MelodraView, TintsItselfWithTheArtworksColourUnlessAutoColourIsOffOrThereIsNoArtwork)
{
    MusicScene scene;
    scene.advance(0.6);
    EXPECT_EQ(tint(scene), "#ff0000ff");
    scene.host().changeTrack(1);
    scene.advance(0.5);
    EXPECT_EQ(tint(scene), "#0000ffff") << "the next track's artwork";
    scene.setPreferences({ { "autoColorMelodraSectionEnabled", "NO" } });
    scene.advance(0.5);
    EXPECT_EQ(tint(scene), "#000000ff") << "auto colour off";
    scene.setPreferences({});
    scene.host().changeTrack(1);
    scene.advance(0.5);
    EXPECT_EQ(tint(scene), "#000000ff") << "a track without artwork";
}

TEST(MelodraView, ThePlayPauseButtonFollowsThePlayerWithinHalfASecondAndTogglesIt)
{
    MusicScene scene;
    scene.advance(0.6);
    auto button = scene.stripView("playPauseButtonImageView");
    scene.host().setMusicPlaying(false);
    scene.advance(0.5);
    EXPECT_EQ(imageName(button), "MusicControls/Play") << "paused elsewhere";

    scene.tap(*button);
    EXPECT_TRUE(scene.media()->isPlaying());
    EXPECT_EQ(imageName(button), "MusicControls/Play") << "the picture waits for the next tick";
    scene.advance(0.5);
    EXPECT_EQ(imageName(button), "MusicControls/Pause");
    scene.tap(*button);
    EXPECT_FALSE(scene.media()->isPlaying());
    EXPECT_FALSE(LMMusicDisplayView::sharedInstance()->isActive()) << "the button's tap is its own";
}

TEST(MelodraView, SwipesSkipTracksButNotPastEitherEndOfTheQueue)
{
    MusicScene scene;
    scene.advance(0.6);
    auto& strip = scene.strip();
    struct Step {
        UISwipeGestureRecognizerDirection direction;
        const char* song;
    };
    const Step steps[] = {
        { UISwipeGestureRecognizerDirectionDown, "Song 1" },
        { UISwipeGestureRecognizerDirectionUp, "Song 2" },
        { UISwipeGestureRecognizerDirectionUp, "Song 3" },
        { UISwipeGestureRecognizerDirectionUp, "Song 3" },
        { UISwipeGestureRecognizerDirectionDown, "Song 2" },
    };
    for (auto& step : steps) {
        scene.swipe(strip, step.direction);
        EXPECT_EQ(scene.nowPlayingSong(), step.song);
    }
    scene.advance(0.5);
    EXPECT_EQ(scene.stripView<UILabel>("artistAndSongNameLabel")->text(), "Artist 2  -  Song 2");
}

TEST(MelodraView, ATapOnTheStripOpensThePlayerUnlessItsSwitchIsOffWhileTheButtonStillToggles)
{
    MusicScene scene(MusicScene::playingPhone(), { { "melodraOverlayEnabled", "NO" } });
    scene.advance(0.6);
    scene.tap(*scene.stripView("artistAndSongNameLabel"));
    scene.advance(0.5);
    EXPECT_FALSE(LMMusicDisplayView::sharedInstance()->isActive());
    scene.tap(*scene.stripView("playPauseButtonImageView"));
    EXPECT_FALSE(scene.media()->isPlaying());

    scene.setPreferences({});
    scene.tap(*scene.stripView("nowPlayingArtworkImageView"));
    scene.advance(0.5);
    EXPECT_TRUE(LMMusicDisplayView::sharedInstance()->isActive())
        << "a tap on the artwork is a tap on the strip";
}

TEST(MelodraView, WithoutNowPlayingInformationItKeepsWhatItShowedAndThePanelHidesIt)
{
    MusicScene scene;
    scene.advance(1.1);
    scene.host().stopMusic();
    scene.advance(1);
    EXPECT_TRUE(scene.strip().isHidden());
    EXPECT_EQ(scene.stripView<UILabel>("artistAndSongNameLabel")->text(), "Artist 1  -  Song 1");
    EXPECT_EQ(tint(scene), "#ff0000ff");
}

// The button's meaning once came from which picture it showed: with the pictures missing both
// were nothing, every tap sent play, and the strip could never pause.
TEST(MelodraView, PausesWhatPlaysEvenWithoutTheButtonsPictures)
{
    MusicScene scene;
    // A bundle of the device's own: the built one without the button's pictures.
    auto built = std::filesystem::canonical(
        scene.deviceRoot().hostPath(springboard::ResourceBundleInstaller::devicePath));
    auto bundle = scene.deviceRoot().path() / "bundle-without-buttons";
    std::filesystem::copy(built, bundle, std::filesystem::copy_options::recursive);
    for (auto& file : std::filesystem::directory_iterator(bundle / "MusicControls")) {
        auto name = file.path().filename().string();
        if (name.starts_with("Play") || name.starts_with("Pause"))
            std::filesystem::remove(file.path());
    }
    ASSERT_EQ(springboard::ResourceBundleInstaller::install(bundle), std::nullopt);

    scene.advance(1.1);
    scene.host().setMusicPlaying(false);
    auto strip = LMMelodraView::create();
    scene.panel().addSubview(strip);
    strip->changeFrame(scene.panel().bounds());
    scene.advance(0.5);
    auto button = strip->playPauseButtonImageView();
    EXPECT_EQ(button->image(), nullptr) << "nothing to see on the button";
    scene.tap(*button);
    EXPECT_TRUE(scene.media()->isPlaying()) << "it stands for play while paused";
    scene.advance(0.5);
    scene.tap(*button);
    EXPECT_FALSE(scene.media()->isPlaying()) << "it stands for pause while playing";
}
