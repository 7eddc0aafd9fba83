// Not yet tested: resampling in both directions at once with uneven factors.
#include "contracts/OBImageFactory.h"
#include "objc/ClassRef.h"
#include "orblib/OrbLib.h"
#include "platform/orblib/TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class OBImageFactoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }

    std::shared_ptr<UIImage> tinted(std::shared_ptr<UIImage> image, std::shared_ptr<UIColor> color)
    {
        return contracts::OBImageFactory::image(factoryClass, std::move(image), std::move(color));
    }
    std::shared_ptr<UIImage> scaled(std::shared_ptr<UIImage> image, CGSize size)
    {
        return contracts::OBImageFactory::image(factoryClass, std::move(image), size);
    }

    objc::ClassRef factoryClass { "OBImageFactory" };
};

TEST_F(OBImageFactoryTest, TintGivesEveryPixelTheColourAndMultipliesItsAlphaByTheColours)
{
    auto source = imageOf(3, { { 10, 20, 30, 255 }, { 200, 100, 50, 128 }, { 0, 0, 0, 0 } }, 2);

    auto opaque = tinted(source, UIColor::colorWithRed(1, 128 / 255.0, 0, 1));
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(pixelsOf(*opaque),
        (std::vector<Pixel> { { 255, 128, 0, 255 }, { 255, 128, 0, 128 }, { 255, 128, 0, 0 } }));
    EXPECT_EQ(opaque->scale(), 2);
    EXPECT_EQ(opaque->name(), "Source");

    auto translucent = tinted(source, UIColor::colorWithWhite(1, 0.5));
    EXPECT_EQ(pixelsOf(*translucent),
        (std::vector<Pixel> { { 255, 255, 255, 128 }, { 255, 255, 255, 64 }, { 255, 255, 255, 0 } }));

    EXPECT_EQ(tinted(nullptr, UIColor::whiteColor()), nullptr);
    EXPECT_EQ(tinted(source, nullptr), nullptr);
}

TEST_F(OBImageFactoryTest, ScaleEnlargesBilinearlyAndShrinksByAveragingTheCoveredPixels)
{
    struct Case {
        const char* what;
        std::vector<Pixel> row;
        CGFloat width;
        std::vector<Pixel> expected;
    };
    const Pixel black { 0, 0, 0, 255 }, red { 255, 0, 0, 255 }, clear { 0, 0, 0, 0 };
    const Case cases[] = {
        { "same size", { black, red }, 2, { black, red } },
        { "twice as wide", { black, red }, 4, { black, { 64, 0, 0, 255 }, { 191, 0, 0, 255 }, red } },
        { "half as wide", { black, black, red, red }, 2, { black, red } },
        { "two thirds as wide", { red, black, black }, 2, { { 170, 0, 0, 255 }, black } },
        { "transparent neighbour leaves no dark fringe", { red, clear }, 1, { { 255, 0, 0, 128 } } },
    };
    for (auto& test : cases) {
        auto result
            = scaled(imageOf(static_cast<unsigned>(test.row.size()), test.row), CGSizeMake(test.width, 1));
        ASSERT_NE(result, nullptr) << test.what;
        EXPECT_EQ(pixelsOf(*result), test.expected) << test.what;
    }
}

TEST_F(OBImageFactoryTest, ScaleTakesPointsAtTheImagesScaleAndKeepsItsName)
{
    auto source = imageOf(4, std::vector<Pixel>(16, Pixel { 0, 0, 255, 255 }), 2);

    auto result = scaled(source, CGSizeMake(1, 3));

    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->bitmap().width, 2u);
    EXPECT_EQ(result->bitmap().height, 6u);
    EXPECT_EQ(result->scale(), 2);
    EXPECT_EQ(result->size().width, 1);
    EXPECT_EQ(result->size().height, 3);
    EXPECT_EQ(result->name(), "Source");
    EXPECT_EQ(pixelsOf(*result), std::vector<Pixel>(12, Pixel { 0, 0, 255, 255 }));
}

TEST_F(OBImageFactoryTest, ScaleGivesNothingForSizesNoPictureHas)
{
    auto source = imageOf(1, { { 0, 0, 0, 255 } }, 2);
    const CGSize sizes[] = { { 0, 5 }, { 5, -1 }, { std::numeric_limits<CGFloat>::quiet_NaN(), 5 },
        { 5, INFINITY }, { 5000, 5 } };
    for (auto size : sizes)
        EXPECT_EQ(scaled(source, size), nullptr) << size.width << " x " << size.height;
    EXPECT_EQ(scaled(nullptr, CGSizeMake(5, 5)), nullptr);
}

} // namespace
