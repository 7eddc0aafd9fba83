// Not yet tested: head and middle truncation, the light blur styles, an image cache entry whose
// image died and whose address a new image took.
#include "PictureCheck.h"
#include "TestImages.h"

#include "render/ViewRenderer.h"
#include "uikit/CAShapeLayer.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIBezierPath.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIView.h"
#include "uikit/UIVisualEffectView.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

using render::Picture;
using render::ViewRenderer;

namespace {

std::shared_ptr<UIView> makeView(CGRect frame, std::shared_ptr<UIColor> color)
{
    auto view = UIView::create(frame);
    view->setBackgroundColor(std::move(color));
    return view;
}

std::shared_ptr<UILabel> makeLabel(
    CGRect frame, std::string_view text, NSInteger alignment = NSTextAlignmentLeft)
{
    auto label = UILabel::create(frame);
    label->setFont(UIFont::fontWithName("HelveticaNeue-Light", 14));
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(alignment);
    label->setText(text);
    label->setBackgroundColor(UIColor::colorWithWhite(1, 0.12));
    return label;
}

std::shared_ptr<UIView> roundedCard()
{
    auto root = makeView(CGRectMake(0, 0, 120, 90), UIColor::whiteColor());
    auto card = makeView(CGRectMake(10, 10, 100, 70), UIColor::colorWithRed(0.2, 0.4, 0.8, 1));
    card->layer().setCornerRadius(16);
    card->layer().setMasksToBounds(true);
    card->layer().setBorderWidth(3);
    card->layer().setBorderColor(UIColor::colorWithRed(0.9, 0.6, 0.1, 1));
    // Sticks out of the card's top right corner: only the part inside the rounded card shows.
    card->addSubview(makeView(CGRectMake(60, -20, 60, 50), UIColor::redColor()));
    auto translucent = makeView(CGRectMake(10, 40, 40, 20), UIColor::greenColor());
    translucent->setAlpha(0.5);
    card->addSubview(translucent);
    root->addSubview(card);
    return root;
}

testing::AssertionResult matchesExactly(const Picture& picture, const Picture& expected)
{
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (picture.pixel(x, y) != expected.pixel(x, y))
                return testing::AssertionFailure() << "pixels differ at " << x << "," << y;
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

TEST(ViewRenderer, DrawsARoundedClippedBorderedView)
{
    Picture picture = ViewRenderer(2).render(*roundedCard());

    EXPECT_EQ(picture.width(), 240);
    EXPECT_EQ(picture.height(), 180);
    EXPECT_TRUE(matchesReference(picture, "rounded-clipped-bordered"));
}

TEST(ViewRenderer, PictureChecksAllowSmallDifferencesAndShowLargeOnes)
{
    if (std::getenv("LUMORA_UPDATE_REFERENCES"))
        GTEST_SKIP() << "would overwrite a reference";
    auto root = roundedCard();
    auto faint = makeView(CGRectMake(0, 0, 5, 5), UIColor::colorWithWhite(0, 0.02));
    root->addSubview(faint);
    EXPECT_TRUE(matchesReference(ViewRenderer(2).render(*root), "rounded-clipped-bordered"));

    faint->setBackgroundColor(UIColor::blackColor());
    auto diffPath = std::filesystem::current_path() / "render-output" / "rounded-clipped-bordered-diff.png";
    std::filesystem::remove(diffPath);
    auto result = matchesReference(ViewRenderer(2).render(*root), "rounded-clipped-bordered");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("100 pixels differ"), std::string::npos) << result.message();
    ASSERT_TRUE(std::filesystem::exists(diffPath));
    Picture diff = Picture::readPNG(diffPath);
    EXPECT_EQ(diff.pixel(2, 2), 0xffff0000u);
    EXPECT_NE(diff.pixel(20, 20), 0xffff0000u);
}

TEST(ViewRenderer, ATranslucentViewFadesChildrenOutsideItsBounds)
{
    auto root = makeView(CGRectMake(0, 0, 50, 50), UIColor::blackColor());
    auto parent = UIView::create(CGRectMake(0, 0, 10, 10));
    parent->setAlpha(0.5);
    parent->addSubview(makeView(CGRectMake(30, 30, 10, 10), UIColor::whiteColor()));
    root->addSubview(parent);

    Picture picture = ViewRenderer(1).render(*root);

    EXPECT_EQ(picture.pixel(35, 35), 0xff808080u);
}

TEST(ViewRenderer, DrawsATwoLineLabelWithAnInlineImage)
{
    auto root = makeView(CGRectMake(0, 0, 220, 70), UIColor::colorWithWhite(0.15, 1));
    auto label = UILabel::create(CGRectMake(10, 5, 200, 60));
    label->setNumberOfLines(2);
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setTextColor(UIColor::whiteColor());
    auto text = NSMutableAttributedString::create();
    text->appendAttributedString(*NSAttributedString::attributedStringWithAttachment(
        NSTextAttachment::create(TestImages::dot(28, 0xf1c40fff))));
    text->appendAttributedString(NSAttributedString(" Wake up at 07:30, then the weather: 21°",
        { .font = UIFont::fontWithName("HelveticaNeue-Light", 16) }));
    label->setAttributedText(text);
    root->addSubview(label);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).render(*root), "two-line-label-with-image"));
}

TEST(ViewRenderer, DrawsADarkBlurOverAnImage)
{
    auto root = makeView(CGRectMake(0, 0, 160, 120), UIColor::blackColor());
    auto wallpaper = UIImageView::create(CGRectMake(0, 0, 160, 120));
    wallpaper->setImage(TestImages::colourBands(160, 120));
    root->addSubview(wallpaper);
    auto blur = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    blur->setFrame(CGRectMake(30, 20, 110, 80));
    auto label = UILabel::create(CGRectMake(0, 0, 110, 80));
    label->setText("Dark");
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    blur->addSubview(label);
    root->addSubview(blur);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).render(*root), "dark-blur-over-image"));
}

TEST(ViewRenderer, ScalesAboutTheCentreScrollsByTheBoundsOriginAndMasksChosenCorners)
{
    auto root = makeView(CGRectMake(0, 0, 240, 100), UIColor::colorWithWhite(0.9, 1));

    // The outline marks where the scaled view would be without its transform.
    auto outline = makeView(CGRectMake(10, 20, 60, 60), nullptr);
    outline->layer().setBorderWidth(1);
    outline->layer().setBorderColor(UIColor::blackColor());
    auto scaled = makeView(CGRectMake(10, 20, 60, 60), UIColor::redColor());
    scaled->setTransform(CGAffineTransformMakeScale(0.6, 0.6));
    root->addSubview(outline);
    root->addSubview(scaled);

    // Rows 20 points high, scrolled by 30: the second row starts 10 points below the top.
    auto scroller = makeView(CGRectMake(90, 20, 60, 60), UIColor::whiteColor());
    scroller->setClipsToBounds(true);
    scroller->setBounds(CGRectMake(0, 30, 60, 60));
    for (int row = 0; row < 6; ++row) {
        CGFloat shade = row % 2 ? 0.3 : 0.6;
        scroller->addSubview(
            makeView(CGRectMake(0, row * 20, 60, 20), UIColor::colorWithRed(0.1, shade, 0.9, 1)));
    }
    root->addSubview(scroller);

    // Rounded at the top left and bottom right only; the half-transparent parent fades its child too.
    auto masked = makeView(CGRectMake(170, 20, 60, 60), UIColor::colorWithRed(0.1, 0.6, 0.3, 1));
    auto mask = CAShapeLayer::layer();
    mask->setFrame(CGRectMake(0, 0, 60, 60));
    mask->setPath(UIBezierPath::bezierPathWithRoundedRect(
        CGRectMake(0, 0, 60, 60), UIRectCornerTopLeft | UIRectCornerBottomRight, CGSizeMake(20, 20))
                      ->CGPath());
    masked->layer().setMask(mask);
    masked->setAlpha(0.5);
    masked->addSubview(makeView(CGRectMake(20, 20, 60, 20), UIColor::blackColor()));
    root->addSubview(masked);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).render(*root), "scale-scroll-mask"));
}

TEST(ViewRenderer, AlignsTruncatesAndShrinksLabelText)
{
    auto root = makeView(CGRectMake(0, 0, 200, 190), UIColor::colorWithWhite(0.2, 1));
    root->addSubview(makeLabel(CGRectMake(10, 10, 180, 20), "Left", NSTextAlignmentLeft));
    root->addSubview(makeLabel(CGRectMake(10, 35, 180, 20), "Centre", NSTextAlignmentCenter));
    root->addSubview(makeLabel(CGRectMake(10, 60, 180, 20), "Right", NSTextAlignmentRight));
    root->addSubview(makeLabel(CGRectMake(10, 85, 180, 20), "A single line that is far too long to fit"));
    auto shrunk = makeLabel(CGRectMake(10, 110, 180, 20), "A single line that shrinks to fit");
    shrunk->setAdjustsFontSizeToFitWidth(true);
    root->addSubview(shrunk);
    // Unlimited lines, but only two fit the height: the second ends in an ellipsis.
    auto cut = makeLabel(CGRectMake(10, 135, 180, 40),
        "Lines wrap between words, as many as the label's height holds, and no more than that",
        NSTextAlignmentCenter);
    cut->setNumberOfLines(0);
    root->addSubview(cut);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).render(*root), "label-layout"));
}

// A scaled image under a rounded clip is sampled once per pixel rather than span by span: inside
// its rounded corners it must show exactly the pixels the unclipped image shows, at fractional
// places and scales alike, and nothing outside its shape.
TEST(ViewRenderer, ARoundedImageShowsTheSamePixelsAsAnUnroundedOne)
{
    auto picture = [](CGFloat cornerRadius, CGRect frame) {
        auto root = makeView(CGRectMake(0, 0, 80, 60), UIColor::blackColor());
        auto view = UIImageView::create(frame);
        view->setImage(TestImages::colourBands(120, 90, 2));
        view->layer().setCornerRadius(cornerRadius);
        view->setClipsToBounds(cornerRadius > 0);
        root->addSubview(view);
        return ViewRenderer(2).render(*root);
    };
    for (CGRect frame : { CGRectMake(10, 8, 37, 29), CGRectMake(12.357, 7.61, 40.5, 31.3) }) {
        auto rounded = picture(9, frame), square = picture(0, frame);
        int inside = 0;
        for (int y = 0; y < rounded.height(); ++y) {
            for (int x = 0; x < rounded.width(); ++x) {
                CGFloat px = (x + 0.5) / 2, py = (y + 0.5) / 2;
                // Well inside the rounded shape, and well outside the frame.
                bool core = px > frame.origin.x + 1 && px < CGRectGetMaxX(frame) - 1 && py > frame.origin.y + 9
                    && py < CGRectGetMaxY(frame) - 9;
                bool away = !CGRectContainsPoint(CGRectMake(frame.origin.x - 1, frame.origin.y - 1, frame.size.width + 2, frame.size.height + 2), CGPointMake(px, py));
                if (core) {
                    ++inside;
                    ASSERT_EQ(rounded.pixel(x, y), square.pixel(x, y)) << x << "," << y;
                } else if (away) {
                    ASSERT_EQ(rounded.pixel(x, y), 0xff000000u) << x << "," << y;
                }
            }
        }
        EXPECT_GT(inside, 1000);
    }
}

// What a renderer keeps of a rounded image from one picture must not show in the next once the
// image has moved, been resized or been replaced.
TEST(ViewRenderer, ARoundedImageKeptFromTheLastPictureFollowsItsView)
{
    auto root = makeView(CGRectMake(0, 0, 80, 60), UIColor::blackColor());
    auto view = UIImageView::create(CGRectMake(10, 8, 37, 29));
    view->setImage(TestImages::colourBands(120, 90, 2));
    view->layer().setCornerRadius(9);
    view->setClipsToBounds(true);
    root->addSubview(view);
    ViewRenderer renderer(2);
    auto first = renderer.render(*root);
    auto again = renderer.render(*root);
    EXPECT_TRUE(matchesExactly(first, again));
    for (auto change : std::initializer_list<std::function<void()>> {
             [&] { view->setFrame(CGRectMake(12.25, 9.5, 37, 29)); },
             [&] { view->setFrame(CGRectMake(12.25, 9.5, 41, 27)); },
             [&] { view->setImage(TestImages::dot(90, 0x40c0ffff)); } }) {
        change();
        root->layoutIfNeeded();
        EXPECT_TRUE(matchesExactly(renderer.render(*root), ViewRenderer(2).render(*root)));
    }
}
