#include "HostCallLog.h"

#include "contracts/OBContainerView.h"
#include "contracts/OBDisplayView.h"
#include "contracts/SBWallpaperView.h"
#include "contracts/SpringBoardApplication.h"
#include "objc/ClassRef.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBWallpaperController.h"
#include "uikit/UIApplication.h"
#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

using namespace springboard;

namespace {

std::shared_ptr<UIImage> picture(std::string name)
{
    return UIImage::imageWithBitmap(Bitmap(2, 2), 1, std::move(name));
}

std::string wallpaperIn(const char* field)
{
    static objc::ClassRef controllerClass { "SBWallpaperController" };
    auto controller = contracts::shared<NSObject>(controllerClass);
    auto view = objc_getIvarNamed<std::shared_ptr<UIView>>(controller.get(), field);
    if (!view)
        return "";
    auto wallpaper = std::dynamic_pointer_cast<contracts::SBWallpaperView>(view);
    return wallpaper && wallpaper->wallpaperImage() ? wallpaper->wallpaperImage()->name() : "(no picture)";
}

} // namespace

TEST(Screen, WallpaperFieldsHoldThePicturesTheDeviceHas)
{
    struct Case {
        std::shared_ptr<UIImage> lock, home;
        const char* lockscreen;
        const char* shared;
        const char* homescreen;
    };
    const Case cases[] = {
        { picture("Beach"), nullptr, "", "Beach", "" },
        { picture("Beach"), picture("Forest"), "Beach", "", "Forest" },
        { nullptr, picture("Forest"), "", "", "Forest" },
        { nullptr, nullptr, "", "", "" },
    };
    for (auto& each : cases) {
        Device device;
        device.wallpaper.reset();
        if (each.lock)
            device.wallpaper = Device::Wallpaper { {}, each.lock };
        if (each.home)
            device.homeScreenWallpaper = Device::Wallpaper { {}, each.home };
        SpringBoard host { device };
        host.buildWindows();
        EXPECT_EQ(wallpaperIn("_lockscreenWallpaperView"), each.lockscreen);
        EXPECT_EQ(wallpaperIn("_sharedWallpaperView"), each.shared);
        EXPECT_EQ(wallpaperIn("_homescreenWallpaperView"), each.homescreen);
    }
}

TEST(Screen, DefaultWallpaperIsAPictureOfTheScreensSize)
{
    SpringBoard host { Device {} };
    host.buildWindows();
    EXPECT_EQ(wallpaperIn("_sharedWallpaperView"), "SpringBoardDefaultWallpaper");
    auto shown = findView(host.rootWindow(), "_sharedWallpaperView");
    ASSERT_TRUE(shown);
    EXPECT_EQ(host.rootWindow()->subviews().front(), shown) << "under everything";
    auto image = std::dynamic_pointer_cast<contracts::SBWallpaperView>(shown)->wallpaperImage();
    EXPECT_EQ(image->size(), CGSizeMake(375, 667));
    EXPECT_EQ(image->scale(), 2);
}

TEST(Screen, UnlockingShowsTheHomeScreensOwnPicture)
{
    Device device;
    device.wallpaper = Device::Wallpaper { {}, picture("Beach") };
    device.homeScreenWallpaper = Device::Wallpaper { {}, picture("Forest") };
    SpringBoard host { device };
    host.buildWindows();
    EXPECT_TRUE(findView(host.rootWindow(), "_lockscreenWallpaperView"));
    host.unlock();
    EXPECT_FALSE(findView(host.rootWindow(), "_lockscreenWallpaperView"));
    EXPECT_TRUE(findView(host.rootWindow(), "_homescreenWallpaperView"));
}

TEST(Screen, ApplicationObjectAnswersTheOrientationAndTheScreenFollowsIt)
{
    Device device;
    device.screenSize = CGSizeMake(320, 568);
    SpringBoard host { device };
    host.buildWindows();
    auto application
        = std::dynamic_pointer_cast<contracts::SpringBoardApplication>(UIApplication::sharedApplication());
    ASSERT_TRUE(application);
    const struct {
        int orientation;
        CGRect screen;
    } cases[] = {
        { 3, CGRectMake(0, 0, 568, 320) },
        { 2, CGRectMake(0, 0, 320, 568) },
        { 4, CGRectMake(0, 0, 568, 320) },
        { 1, CGRectMake(0, 0, 320, 568) },
    };
    for (auto& each : cases) {
        host.setOrientation(each.orientation);
        EXPECT_EQ(application->_getSpringBoardOrientation(), each.orientation);
        EXPECT_EQ(UIScreen::mainScreen()->bounds(), each.screen);
        EXPECT_EQ(host.rootWindow()->frame(), each.screen);
    }
    EXPECT_THROW(host.setOrientation(5), std::invalid_argument);
}

TEST(Screen, MissingClassesAreHiddenFromLookUpsButTheHostStillRuns)
{
    Device device;
    device.missingClasses = { "SBLockScreenViewController", "SBWallpaperController" };
    SpringBoard host { device };
    host.buildWindows();
    EXPECT_EQ(objc_getClass("SBLockScreenViewController"), nullptr);
    EXPECT_EQ(objc_getClass("SBWallpaperController"), nullptr);
    EXPECT_NE(objc_getClass("SBLockScreenView"), nullptr);
    EXPECT_TRUE(findView(host.rootWindow(), "SBLockScreenView"));
}

TEST(Screen, BootingOnAnUnknownTimeZoneIsAnError)
{
    Device device;
    device.timeZone = "Mars/Olympus_Mons";
    EXPECT_THROW(SpringBoard { device }, std::invalid_argument);
}

TEST(Screen, TheSupportLibrarysOverlaysFillTheScreenTheWaySpringBoardIsTurned)
{
    SpringBoard host { Device {} };
    host.buildWindows();
    auto container = std::make_shared<OBContainerView>();
    ASSERT_TRUE(container->init());
    auto display = std::make_shared<OBDisplayView>();
    ASSERT_TRUE(display->init());
    const struct {
        int orientation;
        CGSize size;
    } cases[] = {
        { 3, CGSizeMake(667, 375) },
        { 2, CGSizeMake(375, 667) },
        { 4, CGSizeMake(667, 375) },
        { 1, CGSizeMake(375, 667) },
    };
    for (auto& each : cases) {
        host.setOrientation(each.orientation);
        container->updateFrame();
        display->updateFrameForActiveOrientation();
        EXPECT_EQ(container->frame().size, each.size) << each.orientation;
        EXPECT_EQ(container->containerWindow()->frame().size, each.size) << each.orientation;
        EXPECT_EQ(display->frame().size, each.size) << each.orientation;
    }
}
