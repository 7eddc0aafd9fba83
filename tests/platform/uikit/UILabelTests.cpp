// Measured with the estimate: a character is 0.55 em wide, a line 1.2 em high.
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/TextMetrics.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<UILabel> shrinkingLabel(
    CGFloat width, CGFloat fontSize, NSInteger lines, std::string_view text)
{
    auto label = UILabel::create(CGRectMake(0, 0, width, 40));
    label->setFont(UIFont::fontWithName("HelveticaNeue-Light", fontSize));
    label->setNumberOfLines(lines);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setText(text);
    return label;
}

// Every character one point wide at size 10, whatever the font.
class FixedMetrics final : public TextMetrics {
public:
    TextLayout layout(const NSAttributedString& text, CGFloat fontScale, CGFloat) const override
    {
        return { { { text.length() * fontScale, 12 } } };
    }
};

} // namespace

TEST(UILabel, StartsAsThePlatformsLabelDoes)
{
    auto label = UILabel::create();
    EXPECT_FALSE(label->isUserInteractionEnabled());
    EXPECT_EQ(label->font()->fontName(), UIFont::systemFontName);
    EXPECT_EQ(label->font()->pointSize(), 17);
    EXPECT_EQ(label->textColor()->hexString(), "#000000ff");
    EXPECT_EQ(label->numberOfLines(), 1);
    EXPECT_EQ(label->textAlignment(), NSTextAlignmentLeft);
    EXPECT_EQ(label->attributedText(), nullptr);
    EXPECT_EQ(label->text(), "");
}

TEST(UILabel, TextAndAttributedTextReplaceEachOther)
{
    auto label = UILabel::create();
    label->setTextColor(UIColor::whiteColor());
    label->setText("plain");
    ASSERT_NE(label->attributedText(), nullptr);
    EXPECT_EQ(label->attributedText()->runs().size(), 1u);
    EXPECT_EQ(label->attributedText()->runs()[0].attributes.foregroundColor->hexString(), "#ffffffff");

    auto styled = NSMutableAttributedString::create("Charging", { .foregroundColor = UIColor::greenColor() });
    styled->appendAttributedString(NSAttributedString(" 40%"));
    label->setAttributedText(styled);
    EXPECT_EQ(label->text(), "Charging 40%");
    // The label keeps its own copy.
    styled->appendAttributedString(NSAttributedString("!"));
    EXPECT_EQ(label->text(), "Charging 40%");

    // Runs without a colour or font take the label's.
    auto shown = label->displayedText();
    ASSERT_EQ(shown->runs().size(), 2u);
    EXPECT_EQ(shown->runs()[0].attributes.foregroundColor->hexString(), "#00ff00ff");
    EXPECT_EQ(shown->runs()[1].attributes.foregroundColor->hexString(), "#ffffffff");
    EXPECT_EQ(shown->runs()[1].attributes.font->pointSize(), 17);

    // A font set afterwards applies to the whole text.
    label->setFont(UIFont::boldSystemFontOfSize(14));
    for (auto& run : label->attributedText()->runs())
        EXPECT_EQ(run.attributes.font->fontName(), UIFont::boldSystemFontName);
}

TEST(UILabel, TheSameTextAgainKeepsTheLabelAsItIsButNotOverAttributedText)
{
    auto label = UILabel::create();
    label->setText("Artist  -  Song");
    auto before = label->attributedText();
    label->setText("Artist  -  Song");
    EXPECT_EQ(label->attributedText(), before) << "nothing to do";
    label->setText("Artist  -  Song 2");
    EXPECT_EQ(label->text(), "Artist  -  Song 2");
    label->setText("Artist");
    EXPECT_EQ(label->text(), "Artist");

    label->setAttributedText(
        NSAttributedString::create("Artist", { .foregroundColor = UIColor::greenColor() }));
    label->setText("Artist");
    EXPECT_EQ(label->attributedText()->runs()[0].attributes.foregroundColor->hexString(), "#000000ff")
        << "plain text again, in the label's colour";
}

TEST(UILabel, ShrinksItsFontsByOneFactorUntilTheTextFits)
{
    struct Case {
        const char* name;
        CGFloat width;
        CGFloat fontSize;
        NSInteger lines;
        const char* text;
        CGFloat minimumScaleFactor;
        CGFloat expected;
    };
    const Case cases[] = {
        { "fits as it is", 100, 10, 1, "abcdefghij", 0, 1 },
        { "one line too wide", 100, 20, 1, "abcdefghij", 0, 100.0 / 110 },
        { "stops at the default floor", 10, 20, 1, "abcdefghij", 0, 0.5 },
        { "stops at the minimum scale factor", 100, 40, 1, "abcdefghij", 0.8, 0.8 },
        { "a final line feed adds no line", 100, 10, 1, "abcdefghij\n", 0, 1 },
        // Three words of 55 points, one per line, until two fit a line of 100.
        { "two lines", 100, 10, 2, "aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa", 0, 100.0 / (21 * 5.5) },
        { "line feeds that no shrinking removes", 100, 10, 2, "a\nb\nc", 0, 1 },
        { "one word wider than the label", 50, 10, 0, "abcdefghij", 0, 50.0 / 55 },
        { "unlimited lines wrap instead", 100, 10, 0, "aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa", 0, 1 },
    };
    for (auto& c : cases) {
        auto label = shrinkingLabel(c.width, c.fontSize, c.lines, c.text);
        label->setMinimumScaleFactor(c.minimumScaleFactor);
        CGFloat scale = label->fontScale();
        EXPECT_LE(scale, c.expected + 1e-12) << c.name;
        EXPECT_NEAR(scale, c.expected, 1e-3) << c.name;
        EXPECT_NEAR(label->effectiveFont()->pointSize(), c.fontSize * scale, 1e-9) << c.name;
    }
}

TEST(UILabel, KeepsItsFontWhenNotAskedToShrink)
{
    auto label = shrinkingLabel(10, 20, 1, "abcdefghij");
    label->setAdjustsFontSizeToFitWidth(false);
    EXPECT_EQ(label->fontScale(), 1);
    EXPECT_EQ(label->effectiveFont(), label->font());
}

TEST(UILabel, AttachmentsKeepTheirSizeWhileTheTextShrinks)
{
    auto label = shrinkingLabel(100, 10, 1, "");
    auto text = NSMutableAttributedString::create();
    text->appendAttributedString(*NSAttributedString::attributedStringWithAttachment(
        NSTextAttachment::create(nullptr, CGRectMake(0, 0, 50, 15))));
    text->appendAttributedString(NSAttributedString("abcdefghij")); // 55 points at full size
    label->setAttributedText(text);
    EXPECT_NEAR(label->fontScale(), 50.0 / 55, 1e-3);
}

TEST(UILabel, MeasuresWithTheInstalledMetricsAndMeasuresAgainWhenThingsChange)
{
    auto label = shrinkingLabel(10, 10, 1, "abcdefghijkl"); // 66 points by the estimate
    EXPECT_EQ(label->fontScale(), 0.5);

    TextMetrics::setCurrent(std::make_shared<FixedMetrics>()); // 12 points
    EXPECT_NEAR(label->fontScale(), 10.0 / 12, 1e-3);
    label->setFrame(CGRectMake(0, 0, 12, 40));
    EXPECT_EQ(label->fontScale(), 1);
    label->setText("abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(label->fontScale(), 0.5);

    TextMetrics::setCurrent(nullptr);
    EXPECT_EQ(label->fontScale(), 0.5);
    label->setText("ab"); // 11 points by the estimate
    EXPECT_EQ(label->fontScale(), 1);
}

TEST(UILabel, ReadsAlignmentsItDoesNotDrawAsLeft)
{
    auto label = UILabel::create();
    const std::pair<NSInteger, NSTextAlignment> cases[]
        = { { 0, NSTextAlignmentLeft }, { 1, NSTextAlignmentCenter }, { 2, NSTextAlignmentRight },
              { 3, NSTextAlignmentLeft }, { 4, NSTextAlignmentLeft }, { -1, NSTextAlignmentLeft } };
    for (auto [value, expected] : cases) {
        label->setTextAlignment(value);
        EXPECT_EQ(label->textAlignment(), expected) << value;
    }
}
