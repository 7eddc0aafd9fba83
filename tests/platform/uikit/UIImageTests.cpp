#include "uikit/PNGFile.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace {

const std::string bundle = "/Library/Application Support/Lumora/LumoraBundle.bundle";

// A w × h picture whose every pixel is the given colour.
Bitmap filled(unsigned w, unsigned h, std::array<std::uint8_t, 4> rgba)
{
    Bitmap bitmap(w, h);
    for (size_t i = 0; i < bitmap.rgba.size(); ++i)
        bitmap.rgba[i] = rgba[i % 4];
    return bitmap;
}

std::string pngText(const Bitmap& bitmap)
{
    auto bytes = PNGFile::encode(bitmap);
    return std::string(bytes.begin(), bytes.end());
}

class UIImageTest : public testing::Test {
protected:
    void SetUp() override { UIScreen::setMainScreen(CGRectMake(0, 0, 320, 568), 2); }
    TemporaryDeviceRoot m_device;
};

} // namespace

TEST(PNGFile, PixelsSurviveARoundTripWithTheirAlphaUnpremultiplied)
{
    Bitmap bitmap(3, 2);
    for (size_t i = 0; i < bitmap.rgba.size(); ++i)
        bitmap.rgba[i] = static_cast<std::uint8_t>(i * 10);
    bitmap.pixel(2, 1)[3] = 128; // half transparent, colour kept as it is
    auto decoded = PNGFile::decode(PNGFile::encode(bitmap));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 3u);
    EXPECT_EQ(decoded->height, 2u);
    EXPECT_EQ(decoded->rgba, bitmap.rgba);
}

TEST(PNGFile, RefusesWhatIsNotAWholePNG)
{
    auto bytes = PNGFile::encode(filled(4, 4, { 1, 2, 3, 255 }));
    std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
    std::vector<std::uint8_t> text { 'n', 'o', 't', ' ', 'p', 'n', 'g' };
    EXPECT_FALSE(PNGFile::decode(truncated));
    EXPECT_FALSE(PNGFile::decode(text));
    EXPECT_FALSE(PNGFile::decode({}));
}

TEST_F(UIImageTest, LoadsAPNGFromTheDeviceWithItsResourceName)
{
    m_device.write(bundle + "/Battery/Battery10.png", pngText(filled(25, 12, { 0, 255, 0, 255 })));
    auto image = UIImage::imageWithContentsOfFile(bundle + "/Battery/Battery10.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->name(), "Battery/Battery10");
    EXPECT_EQ(image->scale(), 1);
    EXPECT_EQ(image->size(), CGSizeMake(25, 12));
    EXPECT_EQ(image->bitmap().pixel(24, 11)[1], 255);
}

TEST_F(UIImageTest, PrefersTheVariantForTheScreensScale)
{
    m_device.write(bundle + "/Alarm.png", pngText(filled(15, 15, { 255, 0, 0, 255 })));
    m_device.write(bundle + "/Alarm@2x.png", pngText(filled(30, 30, { 0, 0, 255, 255 })));
    m_device.write(bundle + "/Timer@3x.png", pngText(filled(45, 45, { 0, 0, 255, 255 })));

    auto alarm = UIImage::imageWithContentsOfFile(bundle + "/Alarm.png");
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(alarm->scale(), 2);
    EXPECT_EQ(alarm->size(), CGSizeMake(15, 15));
    EXPECT_EQ(alarm->name(), "Alarm");

    UIScreen::setMainScreen(CGRectMake(0, 0, 320, 568), 1);
    EXPECT_EQ(UIImage::imageWithContentsOfFile(bundle + "/Alarm.png")->scale(), 1);

    auto timer = UIImage::imageWithContentsOfFile(bundle + "/Timer@3x.png");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->scale(), 3);
    EXPECT_EQ(timer->size(), CGSizeMake(15, 15));
    EXPECT_EQ(timer->name(), "Timer");
}

TEST_F(UIImageTest, AMissingOrDamagedFileGivesNoImage)
{
    m_device.write(bundle + "/Broken.png", "not a picture");
    EXPECT_EQ(UIImage::imageWithContentsOfFile(bundle + "/Missing.png"), nullptr);
    EXPECT_EQ(UIImage::imageWithContentsOfFile(bundle + "/Broken.png"), nullptr);
    EXPECT_EQ(UIImage::imageWithContentsOfFile("relative/Alarm.png"), nullptr);
}

TEST(UIImage, ResourceNamesComeFromThePathInsideTheBundle)
{
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        { "/B/LumoraBundle.bundle/Ampiro/BoltAnimated/10@2x.png", "Ampiro/BoltAnimated/10" },
        { "/B/LumoraBundle.bundle/Bullet.png", "Bullet" },
        { "/var/mobile/wallpaper.png", "wallpaper" },
        { "/var/mobile/no-extension", "no-extension" },
        { "/var/mobile/odd@x.png", "odd@x" },
    };
    for (auto& c : cases)
        EXPECT_EQ(UIImage::resourceNameForPath(c.path), c.name) << c.path;
}

TEST(UIImage, ImagesMadeByCodeMeasureInPoints)
{
    auto image = UIImage::imageWithBitmap(Bitmap(50, 25), 2, "Battery/Battery10");
    EXPECT_EQ(image->size(), CGSizeMake(25, 12.5));
    Bitmap wrong(2, 2);
    wrong.rgba.pop_back();
    EXPECT_THROW(UIImage::imageWithBitmap(wrong), std::invalid_argument);
}

TEST(UIImage, AnImageDrawnWhenNeededIsDrawnOnceAndOnlyWhenItsPixelsAreRead)
{
    int drawings = 0;
    auto image = UIImage::imageDrawnWhenNeeded(
        4, 2,
        [&drawings] {
            ++drawings;
            Bitmap bitmap(4, 2);
            bitmap.pixel(3, 1)[3] = 255;
            return bitmap;
        },
        2, "Bolt");
    EXPECT_EQ(image->size(), CGSizeMake(2, 1));
    EXPECT_EQ(image->name(), "Bolt");
    EXPECT_EQ(drawings, 0);
    EXPECT_EQ(image->bitmap().pixel(3, 1)[3], 255);
    auto tinted = image->imageWithTintColor(*UIColor::redColor());
    EXPECT_EQ(tinted->bitmap().pixel(3, 1)[0], 255);
    EXPECT_EQ(drawings, 1);

    auto liar = UIImage::imageDrawnWhenNeeded(4, 2, [] { return Bitmap(2, 2); });
    EXPECT_EQ(liar->size(), CGSizeMake(4, 2));
    EXPECT_THROW(liar->bitmap(), std::logic_error);
}
