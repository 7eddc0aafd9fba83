#include "support/host/HostFixture.h"

#include "dispatch/NSTimer.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceNotifications.h"
#include "orblib/DeviceNowPlaying.h"
#include "overlays/LMTimeDisplayView.h"
#include "uikit/Bitmap.h"
#include "uikit/UIApplication.h"
#include "uikit/UIImage.h"
#include "uikit/UIView.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>

// An object kept past the end of its process fails the fixture.
TEST(DeviceSessionTest, AnObjectKeptPastTheEndOfItsProcessFailsTheFixture)
{
    std::shared_ptr<UIView> kept;
    EXPECT_NONFATAL_FAILURE(
        {
            HostFixture fixture;
            kept = UIView::create();
        },
        "objects of the ended process are still alive");
    kept.reset();
    // Let go before the end: nothing to report.
    HostFixture fixture;
    kept = UIView::create();
    kept.reset();
}

// The clock overlay left open holds itself through its window; the end of the process closes it,
// stops its timers and lets the panel, the windows and the shared instances go.
TEST(DeviceSessionTest, EndingAProcessWithAnOverlayOpenReleasesEverything)
{
    HostFixture fixture;
    dispatch::RunLoop::main().advance(6);
    auto overlay = LMTimeDisplayView::sharedInstance();
    overlay->show();
    std::weak_ptr<UIWindow> window = overlay->containerWindow();
    std::weak_ptr<LMTimeDisplayView> weakOverlay = overlay;
    overlay.reset();
    dispatch::RunLoop::main().advance(1);
    ASSERT_TRUE(window.lock() && !window.lock()->isHidden());
    fixture.endProcess();
    EXPECT_TRUE(weakOverlay.expired());
    EXPECT_TRUE(window.expired());
    EXPECT_EQ(dispatch::RunLoop::main().scheduledTimerCount(), 0u);
}

// What a process hands to the device (an installed app's icon, a notification's picture, the
// artwork of what plays) is the device's: it stays after the process ends and is not counted
// among the process's survivors.
TEST(DeviceSessionTest, PicturesHandedToTheDeviceOutliveTheProcessThatMadeThem)
{
    std::weak_ptr<UIImage> icon, attachment, artwork;
    {
        HostFixture fixture;
        auto picture = [] { return UIImage::imageWithBitmap(Bitmap(2, 2)); };
        auto made = picture();
        icon = made;
        orblib::DeviceApps::setApps({ { "com.example.app", "App", made, "" } });
        made = picture();
        attachment = made;
        orblib::DeviceNotifications::add({ .app = "com.example.app", .attachment = made });
        made = picture();
        artwork = made;
        orblib::DeviceNowPlaying::setItem(orblib::NowPlayingItem { "Song", "Artist", "Album", made });
    }
    EXPECT_FALSE(icon.expired() || attachment.expired() || artwork.expired());
    orblib::DeviceApps::setApps({});
    orblib::DeviceNotifications::set({});
    orblib::DeviceNowPlaying::setItem(std::nullopt);
    EXPECT_TRUE(icon.expired() && attachment.expired() && artwork.expired());
}
