#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

namespace {

class UIImageViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        loop().reset(1000);
        for (int i = 0; i < 3; ++i)
            m_frames.push_back(UIImage::imageWithBitmap(Bitmap(2, 2), 1, "frame" + std::to_string(i)));
    }
    static dispatch::RunLoop& loop() { return dispatch::RunLoop::main(); }

    // The names shown at each step of `step` seconds, starting now.
    std::vector<std::string> shownOver(const UIImageView& view, int steps, double step)
    {
        std::vector<std::string> names;
        for (int i = 0; i < steps; ++i) {
            auto image = view.displayedImage();
            names.push_back(image ? image->name() : "-");
            loop().advance(step);
        }
        return names;
    }

    std::vector<std::shared_ptr<UIImage>> m_frames;
};

} // namespace

TEST_F(UIImageViewTest, InitWithImageTakesTheImagesSize)
{
    auto view = UIImageView::initWithImage(UIImage::imageWithBitmap(Bitmap(50, 24), 2));
    EXPECT_EQ(view->frame(), CGRectMake(0, 0, 25, 12));
    EXPECT_FALSE(view->isUserInteractionEnabled());
    EXPECT_EQ(UIImageView::initWithImage(nullptr)->frame(), CGRectZero);
}

TEST_F(UIImageViewTest, AnimationStepsThroughItsImagesOnTheVirtualClock)
{
    auto view = UIImageView::create();
    auto still = UIImage::imageWithBitmap(Bitmap(1, 1), 1, "still");
    view->setImage(still);
    view->setAnimationImages(m_frames);
    view->setAnimationDuration(0.3);
    EXPECT_EQ(shownOver(*view, 1, 0), (std::vector<std::string> { "still" }));

    view->startAnimating();
    EXPECT_TRUE(view->isAnimating());
    EXPECT_EQ(shownOver(*view, 7, 0.1),
        (std::vector<std::string> { "frame0", "frame1", "frame2", "frame0", "frame1", "frame2", "frame0" }));
    view->stopAnimating();
    EXPECT_FALSE(view->isAnimating());
    EXPECT_EQ(view->displayedImage(), still);
}

TEST_F(UIImageViewTest, ARepeatCountEndsTheAnimationByItself)
{
    auto view = UIImageView::create();
    view->setAnimationImages(m_frames);
    view->setAnimationDuration(0.3);
    view->setAnimationRepeatCount(2);
    view->startAnimating();
    EXPECT_EQ(shownOver(*view, 7, 0.1),
        (std::vector<std::string> { "frame0", "frame1", "frame2", "frame0", "frame1", "frame2", "-" }));
    EXPECT_FALSE(view->isAnimating());
}

TEST_F(UIImageViewTest, WithoutADurationEachImageShowsForOneThirtiethOfASecond)
{
    auto view = UIImageView::create();
    view->setAnimationImages(m_frames);
    view->startAnimating();
    EXPECT_EQ(
        shownOver(*view, 4, 1.0 / 30), (std::vector<std::string> { "frame0", "frame1", "frame2", "frame0" }));
}

TEST_F(UIImageViewTest, StartingWithoutImagesDoesNothing)
{
    auto view = UIImageView::create();
    view->startAnimating();
    EXPECT_FALSE(view->isAnimating());
    view->setAnimationImages(m_frames);
    view->startAnimating();
    view->setAnimationImages({});
    EXPECT_FALSE(view->isAnimating());
}
