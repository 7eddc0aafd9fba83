#include "contracts/UIImageOBAdditions.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestImages.h"

#include <gtest/gtest.h>

namespace {

class UIImageOBAdditionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }
};

TEST_F(UIImageOBAdditionsTest, MergedColorIsTheAlphaWeightedAverageOfOpaquePixelsMoreSaturated)
{
    struct Case {
        const char* what;
        std::vector<Pixel> pixels;
        const char* expected;
    };
    const Case cases[] = {
        { "one colour", { { 255, 0, 0, 255 }, { 255, 0, 0, 255 } }, "#ff0000ff" },
        { "two colours", { { 255, 0, 0, 255 }, { 0, 0, 255, 255 } }, "#800080ff" },
        { "greyish red, saturation 0.5 raised to 0.75", { { 200, 100, 100, 255 } }, "#c83232ff" },
        { "white stays white", { { 255, 255, 255, 255 } }, "#ffffffff" },
        { "grey stays grey", { { 128, 128, 128, 255 } }, "#808080ff" },
        { "half-opaque pixel weighs half", { { 255, 0, 0, 255 }, { 0, 0, 255, 128 } }, "#aa0055ff" },
        { "mostly transparent pixels are left out", { { 255, 0, 0, 255 }, { 0, 0, 255, 127 } }, "#ff0000ff" },
    };
    for (auto& test : cases) {
        auto image = imageOf(static_cast<unsigned>(test.pixels.size()), test.pixels);
        auto color = contracts::UIImageOBAdditions::mergedColor(image.get());
        ASSERT_NE(color, nullptr) << test.what;
        EXPECT_EQ(color->hexString(), test.expected) << test.what;
    }
}

TEST_F(UIImageOBAdditionsTest, MergedColorOfATransparentImageIsNothing)
{
    auto image = imageOf(2, { { 255, 0, 0, 0 }, { 0, 0, 255, 100 } });
    EXPECT_EQ(contracts::UIImageOBAdditions::mergedColor(image.get()), nullptr);
}

TEST_F(UIImageOBAdditionsTest, MergedColorIsRememberedForAnImageOnlyWhileItLives)
{
    auto image = imageOf(1, { { 255, 0, 0, 255 } });
    auto color = contracts::UIImageOBAdditions::mergedColor(image.get());
    EXPECT_EQ(contracts::UIImageOBAdditions::mergedColor(image.get()), color);
    // Images made and dropped one after the other often take the same address.
    for (int i = 0; i < 20; ++i) {
        std::uint8_t blue = i % 2 ? 255 : 0;
        auto next = imageOf(1, { { 0, 0, blue, 255 } });
        auto expected = i % 2 ? "#0000ffff" : "#000000ff";
        EXPECT_EQ(contracts::UIImageOBAdditions::mergedColor(next.get())->hexString(), expected) << i;
    }
    EXPECT_EQ(contracts::UIImageOBAdditions::mergedColor(image.get())->hexString(), "#ff0000ff");
}

} // namespace
