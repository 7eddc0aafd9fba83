#include "render/FontBook.h"
#include "render/PangoTextMetrics.h"
#include "uikit/NSAttributedString.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

#include <pango/pangocairo.h>

#include <string>

using render::FontBook;
using render::PangoTextMetrics;

namespace {

NSAttributedString light(std::string_view text, CGFloat size = 14)
{
    return NSAttributedString(text, { .font = UIFont::fontWithName("HelveticaNeue-Light", size) });
}

CGFloat widthOf(const NSAttributedString& text, CGFloat scale = 1)
{
    return PangoTextMetrics().layout(text, scale, 0).size().width;
}

} // namespace

TEST(TextMeasurement, MapsThePlatformFontsToInterFacesOfMatchingWeight)
{
    struct Case {
        const char* name;
        int weight;
    } cases[] = {
        { "HelveticaNeue-Thin", 100 },
        { "HelveticaNeue-UltraLight", 200 },
        { "HelveticaNeue-Light", 300 },
        { "HelveticaNeue", 400 },
        { UIFont::systemFontName, 400 },
        { "HelveticaNeue-Medium", 500 },
        { "HelveticaNeue-Bold", 700 },
        { UIFont::boldSystemFontName, 700 },
    };
    PangoContext* context = FontBook::shared().createContext();
    for (const auto& c : cases) {
        PangoFontDescription* wanted = FontBook::shared().createDescription(c.name, 20);
        PangoFont* font = pango_context_load_font(context, wanted);
        ASSERT_NE(font, nullptr) << c.name;
        // What the loaded face says of itself, not what was asked for.
        PangoFontDescription* loaded = pango_font_describe(font);
        EXPECT_STREQ(pango_font_description_get_family(loaded), "Inter") << c.name;
        EXPECT_EQ(pango_font_description_get_weight(loaded), c.weight) << c.name;
        pango_font_description_free(loaded);
        g_object_unref(font);
        pango_font_description_free(wanted);
    }
    g_object_unref(context);
}

TEST(TextMeasurement, WiderTextMeasuresWiderAndWidthsScaleWithTheFont)
{
    CGFloat short_ = widthOf(light("Alarm"));
    CGFloat long_ = widthOf(light("Alarm at 07:30"));
    EXPECT_GT(short_, 10);
    EXPECT_GT(long_, short_ * 1.5);
    // Hint metrics off: a font twice the size measures twice as wide, so shrinking is predictable.
    EXPECT_NEAR(widthOf(light("Alarm at 07:30"), 2), 2 * long_, 0.01);
    EXPECT_GT(widthOf(NSAttributedString("Alarm", { .font = UIFont::boldSystemFontOfSize(14) })), short_);
}

TEST(TextMeasurement, BreaksLinesAtLineFeedsAndBetweenWords)
{
    PangoTextMetrics metrics;
    EXPECT_TRUE(metrics.layout(light(""), 1, 0).lines.empty());
    auto feeds = metrics.layout(light("one\ntwo\n"), 1, 0);
    ASSERT_EQ(feeds.lines.size(), 3u);
    EXPECT_EQ(feeds.lines[2].width, 0);
    EXPECT_GT(feeds.lines[2].height, 0);

    auto wrapped = metrics.layout(light("the weather for the coming days"), 1, 80);
    EXPECT_GE(wrapped.lines.size(), 3u);
    for (const auto& line : wrapped.lines)
        EXPECT_LE(line.width, 80.5);
    EXPECT_NEAR(wrapped.lines[0].height, 14 * 1.21, 0.5);
}

TEST(TextMeasurement, AttachmentsTakeTheirSizeInTheLine)
{
    auto attachment = NSTextAttachment::create(nullptr, CGRectMake(0, -2, 30, 24));
    auto text = NSAttributedString::attributedStringWithAttachment(attachment);
    auto layout = PangoTextMetrics().layout(*text, 0.5, 0);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_NEAR(layout.lines[0].width, 30, 0.01);
    EXPECT_GE(layout.lines[0].height, 24);
}

TEST(TextMeasurement, ShrinkToFitPicksASmallerSizeForLongTextDownToTheFloor)
{
    PangoTextMetrics::install();
    struct Case {
        const char* text;
        CGFloat minimumScaleFactor;
        CGFloat expectedScale; // 0: between the floor and 1
    } cases[] = {
        { "Mon", 0, 1 },
        { "Wednesday, 21 December", 0, 0 },
        { "Wednesday, 21 December 2016, all day long and into the night", 0,
            UILabel::defaultMinimumScaleFactor },
        { "Wednesday, 21 December 2016, all day long and into the night", 0.3, 0.3 },
    };
    for (const auto& c : cases) {
        auto label = UILabel::create(CGRectMake(0, 0, 120, 20));
        label->setFont(UIFont::fontWithName("HelveticaNeue-Light", 16));
        label->setAdjustsFontSizeToFitWidth(true);
        label->setMinimumScaleFactor(c.minimumScaleFactor);
        label->setText(c.text);
        CGFloat scale = label->fontScale();
        if (c.expectedScale) {
            EXPECT_DOUBLE_EQ(scale, c.expectedScale) << c.text;
            continue;
        }
        EXPECT_LT(scale, 1) << c.text;
        EXPECT_GT(scale, UILabel::defaultMinimumScaleFactor) << c.text;
        EXPECT_LE(widthOf(*label->displayedText(), scale), 120.001) << c.text;
        EXPECT_GT(widthOf(*label->displayedText(), scale * 1.01), 120) << c.text;
    }
}

// Shrinking skips the layouts whose answer the line's proportional width already gives: the
// factor found must be the one that laying out every size tried would find, to the last bit,
// whatever the width, the font and the attachments.
TEST(TextMeasurement, ShrinkToFitFindsTheFactorEverySizeLaidOutWouldFind)
{
    PangoTextMetrics::install();
    PangoTextMetrics metrics;
    auto searched = [&](const NSAttributedString& text, CGFloat width, CGFloat low) {
        auto fits = [&](CGFloat scale) { return metrics.layout(text, scale, 0).lines.front().width <= width + 1e-6; };
        if (fits(1))
            return 1.0;
        if (!fits(low))
            return low;
        CGFloat high = 1;
        for (int step = 0; step < 10; ++step) {
            CGFloat middle = (low + high) / 2;
            (fits(middle) ? low : high) = middle;
        }
        return low;
    };
    auto joined = [](std::vector<std::shared_ptr<NSAttributedString>> pieces) {
        auto text = NSMutableAttributedString::create();
        for (auto& piece : pieces)
            text->appendAttributedString(*piece);
        return text;
    };
    auto piece = [](std::string_view text, const char* font, CGFloat size) {
        return std::make_shared<NSAttributedString>(text, NSTextAttributes { .font = UIFont::fontWithName(font, size) });
    };
    auto icon = NSAttributedString::attributedStringWithAttachment(
        NSTextAttachment::create(UIImage::imageWithBitmap(Bitmap(24, 24), 2)));
    const std::shared_ptr<NSMutableAttributedString> texts[] = {
        joined({ piece("12:30 pm", "HelveticaNeue-Light", 17) }),
        joined({ piece("Team stand-up (active), Wednesday", "HelveticaNeue", 15) }),
        joined({ piece("56°F", "HelveticaNeue-Thin", 60) }),
        joined({ icon, piece(" 07:00 AM", "HelveticaNeue-Light", 22) }),
    };
    int shrunk = 0;
    for (const auto& text : texts) {
        CGFloat full = metrics.layout(*text, 1, 0).lines.front().width;
        for (CGFloat width = full * 0.45; width < full * 1.02; width += full * 0.0031) {
            auto label = UILabel::create(CGRectMake(0, 0, width, 30));
            label->setAdjustsFontSizeToFitWidth(true);
            label->setAttributedText(text);
            CGFloat expected = searched(*label->displayedText(), width, UILabel::defaultMinimumScaleFactor);
            ASSERT_EQ(label->fontScale(), expected) << text->string() << " in " << width;
            shrunk += expected > UILabel::defaultMinimumScaleFactor && expected < 1;
        }
    }
    EXPECT_GT(shrunk, 500);
}
