// Not yet tested: how the pictures look (checked by eye; they are ours to redraw at will).
#include "foundation/DeviceFileSystem.h"
#include "foundation/NSBundle.h"
#include "foundation/NSData.h"
#include "springboard/ResourceBundleInstaller.h"
#include "support/TemporaryDeviceRoot.h"
#include "uikit/PNGFile.h"
#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using springboard::ResourceBundleInstaller;

namespace {

const fs::path builtBundle { LUMORA_RESOURCE_BUNDLE_DIR };

struct Picture {
    std::string name;
    unsigned width; // in points, the 1x file's pixels
    unsigned height;
};

std::vector<Picture> picturesTheSystemAsksFor()
{
    std::vector<Picture> pictures {
        { "Alarm", 15, 15 },
        { "Timer", 15, 15 },
        { "Battery/BatteryCharging", 26, 13 },
        { "Battery/LowBatteryCharging", 26, 13 },
        { "SetTimer", 164, 48 },
        { "SetAlarm", 164, 48 },
        { "Ampiro/Phone", 50, 50 },
        { "Ampiro/HDVideo", 50, 50 },
        { "Ampiro/Wifi", 50, 50 },
        { "Ampiro/Music", 50, 50 },
        { "Ampiro/Standby", 50, 50 },
        { "Bullet", 8, 8 },
        { "DismissButton", 20, 20 },
        { "ClearAll", 200, 200 },
        { "MusicControls/Play", 44, 44 },
        { "MusicControls/Pause", 44, 44 },
        { "MusicControls/Next", 44, 44 },
        { "MusicControls/Prev", 44, 44 },
        { "MusicControls/MusicLow", 44, 44 },
        { "MusicControls/MusicHigh", 44, 44 },
        { "Like", 22, 22 },
    };
    for (int level = 0; level <= 100; level += 10) {
        pictures.push_back({ "Battery/Battery" + std::to_string(level), 26, 13 });
        pictures.push_back({ "Battery/LowBattery" + std::to_string(level), 26, 13 });
    }
    for (int frame = 0; frame <= 10; ++frame)
        pictures.push_back({ "Ampiro/BoltAnimated/" + std::to_string(frame), 100, 100 });
    return pictures;
}

std::optional<Bitmap> decodeFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file), {} };
    return PNGFile::decode(bytes);
}

bool hasVisiblePixels(const Bitmap& bitmap)
{
    for (size_t alpha = 3; alpha < bitmap.rgba.size(); alpha += 4) {
        if (bitmap.rgba[alpha])
            return true;
    }
    return false;
}

std::string bundleFile(std::string_view relative)
{
    return std::string(ResourceBundleInstaller::devicePath) + "/" + std::string(relative);
}

} // namespace

TEST(ResourceBundle, HoldsEveryPictureTheSystemAsksForAtEachScale)
{
    auto pictures = picturesTheSystemAsksFor();
    EXPECT_EQ(pictures.size(), 54u);
    for (auto& picture : pictures) {
        for (unsigned scale : { 1u, 2u, 3u }) {
            auto file = picture.name + (scale == 1 ? "" : "@" + std::to_string(scale) + "x") + ".png";
            SCOPED_TRACE(file);
            auto bitmap = decodeFile(builtBundle / file);
            ASSERT_TRUE(bitmap) << "missing or not a PNG";
            EXPECT_EQ(bitmap->width, picture.width * scale);
            EXPECT_EQ(bitmap->height, picture.height * scale);
            EXPECT_TRUE(hasVisiblePixels(*bitmap)) << "fully transparent";
        }
    }
}

TEST(ResourceBundle, InstalledBundleIsFoundByNameOnTheDevice)
{
    TemporaryDeviceRoot device;
    UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    ASSERT_EQ(ResourceBundleInstaller::install(builtBundle), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(device.hostPath(ResourceBundleInstaller::devicePath))) << "shared, not copied";
    EXPECT_FALSE(NSData(std::vector<std::uint8_t> { 1 }).writeToFile(bundleFile("Like.png"), false))
        << "the built bundle is read-only to the device";

    auto bundle = NSBundle::initWithPath(ResourceBundleInstaller::devicePath);
    ASSERT_TRUE(bundle);
    auto path = bundle->pathForResource("Battery/Battery10", "png");
    EXPECT_EQ(path, bundleFile("Battery/Battery10.png"));

    auto image = UIImage::imageWithContentsOfFile(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->scale(), 2) << "the screen's variant is taken";
    EXPECT_EQ(image->size().width, 26);
    EXPECT_EQ(image->size().height, 13);
    EXPECT_EQ(image->name(), "Battery/Battery10");
}

TEST(ResourceBundle, InstallingAgainReplacesTheEarlierBundle)
{
    TemporaryDeviceRoot device;
    device.write(bundleFile("Battery/Stale.png"), "left over");
    device.write(bundleFile("Like.png"), "left over");

    ASSERT_EQ(ResourceBundleInstaller::install(builtBundle), std::nullopt);

    EXPECT_FALSE(fs::exists(device.hostPath(bundleFile("Battery/Stale.png"))));
    auto like = decodeFile(device.hostPath(bundleFile("Like.png")));
    ASSERT_TRUE(like);
    EXPECT_EQ(like->width, 22u);
}

TEST(ResourceBundle, InstallingExplainsWhyItCannotAndLeavesTheDeviceAlone)
{
    const fs::path missing = builtBundle.parent_path() / "NoSuchBundle.bundle";
    {
        SCOPED_TRACE("missing source folder");
        TemporaryDeviceRoot device;
        auto error = ResourceBundleInstaller::install(missing);
        ASSERT_TRUE(error);
        EXPECT_NE(error->find(missing.string()), std::string::npos) << *error;
        EXPECT_FALSE(fs::exists(device.hostPath("/Library")));
    }
    {
        SCOPED_TRACE("no device root");
        foundation::DeviceFileSystem::setRoot({});
        auto error = ResourceBundleInstaller::install(builtBundle);
        ASSERT_TRUE(error);
        EXPECT_NE(error->find("no device root"), std::string::npos) << *error;
    }
    {
        SCOPED_TRACE("bundle folder linked outside the device");
        TemporaryDeviceRoot outside;
        fs::create_directories(outside.path() / "Lumora/LumoraBundle.bundle");
        std::ofstream(outside.path() / "Lumora/LumoraBundle.bundle/Keep.png") << "not the device's";
        TemporaryDeviceRoot device;
        fs::create_directories(device.hostPath("/Library/Application Support"));
        fs::create_directory_symlink(
            outside.path() / "Lumora", device.hostPath("/Library/Application Support/Lumora"));

        auto error = ResourceBundleInstaller::install(builtBundle);
        ASSERT_TRUE(error);
        EXPECT_NE(error->find("outside the device root"), std::string::npos) << *error;
        EXPECT_TRUE(fs::exists(outside.path() / "Lumora/LumoraBundle.bundle/Keep.png"));
    }
}
