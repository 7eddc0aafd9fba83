#include "contracts/OBAppItem.h"
#include "contracts/OBAppItemsProvider.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceApps.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestImages.h"
#include "support/TemporaryDeviceRoot.h"
#include "uikit/PNGFile.h"
#include "uikit/UIImageView.h"
#include "uikit/UIScreen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

objc::ClassRef appItemClass { "OBAppItem" };

std::shared_ptr<contracts::OBAppItem> itemFor(const std::string& bundleIdentifier)
{
    return contracts::make<contracts::OBAppItem>(
        appItemClass, contracts::OBAppItem::initFromIdentifier, bundleIdentifier, false);
}

void bootWith(std::vector<orblib::InstalledApp> apps, std::vector<std::string> switcher = {})
{
    objc::Runtime::beginProcess();
    orblib::registerClasses();
    orblib::DeviceApps::setApps(std::move(apps));
    orblib::DeviceApps::setSwitcher(std::move(switcher));
}

Pixel pixelAt(const UIImage& image, double u, double v)
{
    auto& bitmap = image.bitmap();
    auto* pixel
        = bitmap.pixel(static_cast<unsigned>(u * bitmap.width), static_cast<unsigned>(v * bitmap.height));
    return { pixel[0], pixel[1], pixel[2], pixel[3] };
}

} // namespace

TEST(OBAppItem, StandsForAnInstalledAppWithItsIconAndNothingElse)
{
    auto icon = imageOf(1, { { 0, 0, 255, 255 } });
    bootWith({ { "com.apple.mobiletimer", "Clock", icon, "" } });

    auto item = itemFor("com.apple.mobiletimer");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->iconImage(), icon);
    EXPECT_EQ(item->app()->displayName(), "Clock");
    EXPECT_EQ(item->app()->bundleIdentifier(), "com.apple.mobiletimer");
    auto view = item->iconImageView();
    EXPECT_EQ(view->image(), icon);
    EXPECT_EQ(item->iconImageView(), view);

    EXPECT_EQ(itemFor("com.apple.mobilecal"), nullptr);
    EXPECT_EQ(itemFor(""), nullptr);
}

TEST(OBAppItem, LoadsTheIconFromTheDeviceOrDrawsOne)
{
    TemporaryDeviceRoot disk;
    UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    auto png = PNGFile::encode(imageOf(2,
        { { 255, 0, 0, 255 }, { 255, 0, 0, 255 }, { 255, 0, 0, 255 },
            { 255, 0, 0, 255 } })->bitmap());
    disk.write("/Applications/Weather.app/Icon.png", std::string(png.begin(), png.end()));
    bootWith({ { "com.apple.weather", "Weather", nullptr, "/Applications/Weather.app/Icon.png" },
        { "com.apple.mobiletimer", "Clock", nullptr, "/Applications/MobileTimer.app/Missing.png" },
        { "com.example.digits", "42", nullptr, "" } });

    auto loaded = itemFor("com.apple.weather")->iconImage();
    EXPECT_EQ(loaded->name(), "Icon");
    EXPECT_EQ(pixelsOf(*loaded)[0], (Pixel { 255, 0, 0, 255 }));

    auto drawn = itemFor("com.apple.mobiletimer")->iconImage();
    EXPECT_EQ(drawn->name(), "AppIcon/com.apple.mobiletimer");
    EXPECT_EQ(drawn->size().width, 60);
    EXPECT_EQ(drawn->bitmap().width, 120u);
    EXPECT_EQ(pixelAt(*drawn, 0, 0)[3], 0);
    auto background = pixelAt(*drawn, 0.5, 0.5);
    EXPECT_EQ(background[3], 255);
    EXPECT_NE(background, (Pixel { 255, 255, 255, 255 }));
    // The C's left stroke.
    EXPECT_EQ(pixelAt(*drawn, 0.357, 0.5), (Pixel { 255, 255, 255, 255 }));

    // A name that does not begin with a letter gets a plain square.
    auto plain = itemFor("com.example.digits")->iconImage();
    EXPECT_EQ(pixelAt(*plain, 0.357, 0.5), pixelAt(*plain, 0.5, 0.5));
}

TEST(OBAppItemsProvider, GivesTheSwitchersInstalledAppsInItsOrderEachOnce)
{
    bootWith(
        { { "com.apple.mobilesafari", "Safari", nullptr, "" }, { "com.apple.Music", "Music", nullptr, "" },
            { "com.apple.weather", "Weather", nullptr, "" } },
        { "com.apple.weather", "com.example.removed", "com.apple.mobilesafari", "com.apple.weather" });
    static objc::ClassRef providerClass { "OBAppItemsProvider" };

    std::vector<std::string> names;
    for (auto& object :
        contracts::OBAppItemsProvider::appItemsFromSwitcherWithSnapshots.toClass(providerClass, false))
        names.push_back(objc::cast<contracts::OBAppItem>(object)->app()->displayName());
    EXPECT_EQ(names, (std::vector<std::string> { "Weather", "Safari" }));
}
