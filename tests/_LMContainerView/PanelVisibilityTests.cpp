// Not yet tested: the ten-second reload of the table while locked and lit (it shows once the table
// has content of its own).
#include "support/host/DeviceScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMView.h"
#include "orblib/DeviceNowPlaying.h"

#include <gtest/gtest.h>

TEST(PanelVisibility, HidesDuringACallOrAFullscreenBulletinAndReturnsWithinASecond)
{
    struct Case {
        const char* name;
        void (springboard::SpringBoard::*begin)();
        void (springboard::SpringBoard::*end)();
    };
    const Case cases[] = {
        { "incoming call", &springboard::SpringBoard::incomingCall, &springboard::SpringBoard::endCall },
        { "FaceTime invitation", &springboard::SpringBoard::faceTimeInvitation,
            &springboard::SpringBoard::endFaceTime },
    };
    DeviceScene scene;
    scene.advance(1);
    for (auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        ASSERT_FALSE(scene.panel().isHidden());
        (scene.host().*testCase.begin)();
        scene.advance(1);
        EXPECT_TRUE(scene.panel().isHidden());
        (scene.host().*testCase.end)();
        scene.advance(1);
        EXPECT_FALSE(scene.panel().isHidden());
    }

    scene.host().showFullscreenBulletin();
    scene.advance(1);
    EXPECT_TRUE(scene.panel().isHidden());
    scene.host().dismissFullscreenBulletin();
    scene.advance(1);
    EXPECT_FALSE(scene.panel().isHidden());
}

TEST(PanelVisibility, LeavesItToTheTodayPageDuringACall)
{
    DeviceScene scene({}, { { "location", "2" } });
    scene.host().openTodayPage();
    scene.advance(1);
    scene.host().incomingCall();
    scene.advance(2);
    EXPECT_FALSE(scene.panel().isHidden());
}

TEST(PanelVisibility, ShowsEachAreaByItsSwitchOnEverySecond)
{
    DeviceScene scene;
    scene.advance(1);
    EXPECT_FALSE(scene.view("_ampiroContainerView")->isHidden());
    EXPECT_FALSE(scene.view("_appLauncherView")->isHidden());
    EXPECT_TRUE(scene.view("_melodraView")->isHidden()) << "nothing is playing";

    orblib::DeviceNowPlaying::setItem(orblib::NowPlayingItem { "Song", "Artist", "Album", nullptr });
    scene.advance(1);
    EXPECT_FALSE(scene.view("_melodraView")->isHidden());

    scene.setPreferences(
        { { "ampiroEnabled", "NO" }, { "skipraEnabled", "NO" }, { "melodraEnabled", "NO" } });
    scene.advance(1);
    EXPECT_TRUE(scene.view("_ampiroContainerView")->isHidden());
    EXPECT_TRUE(scene.view("_appLauncherView")->isHidden());
    EXPECT_TRUE(scene.view("_melodraView")->isHidden());
    orblib::DeviceNowPlaying::setItem(std::nullopt);
}

TEST(PanelVisibility, LoadsTheTableFiveSecondsAfterItIsBuilt)
{
    DeviceScene scene;
    scene.advance(4.9);
    EXPECT_FALSE(scene.panel().tableViewController()->hasLoadedDataAtLeastOnce());
    scene.advance(0.1);
    EXPECT_TRUE(scene.panel().tableViewController()->hasLoadedDataAtLeastOnce());
}
