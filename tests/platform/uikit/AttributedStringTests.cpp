#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// "text|font size|colour" per run, to compare a whole string in one assertion.
std::vector<std::string> describeRuns(const NSAttributedString& text)
{
    std::vector<std::string> result;
    for (auto& run : text.runs()) {
        auto& a = run.attributes;
        std::string line = a.attachment ? "[attachment]" : run.text;
        line += "|" + (a.font ? std::to_string(int(a.font->pointSize())) : std::string("-"));
        line += "|" + (a.foregroundColor ? a.foregroundColor->hexString() : std::string("-"));
        result.push_back(line);
    }
    return result;
}

} // namespace

TEST(NSAttributedString, LengthsAndIndexesCountUTF16Units)
{
    struct Case {
        const char* text;
        NSUInteger length;
    };
    const Case cases[]
        = { { "", 0 }, { "abc", 3 }, { "21°C", 4 }, { "\xF0\x9F\x94\x8B!", 3 }, { "\xEF\xBF\xBC", 1 } };
    for (auto& c : cases)
        EXPECT_EQ(NSAttributedString(c.text).length(), c.length) << c.text;
}

TEST(NSAttributedString, AttributesAddedOverARangeSplitAndMergeRuns)
{
    auto text = NSMutableAttributedString::create("21°C high");
    text->addAttribute(NSFontAttributeName, UIFont::systemFontOfSize(30), NSMakeRange(0, text->length()));
    // "°C" starts after two characters though after two bytes more.
    text->addAttribute(NSForegroundColorAttributeName, UIColor::redColor(), NSMakeRange(2, 2));
    EXPECT_EQ(describeRuns(*text), (std::vector<std::string> { "21|30|-", "°C|30|#ff0000ff", " high|30|-" }));
    EXPECT_EQ(text->attributesAtIndex(3).foregroundColor->hexString(), "#ff0000ff");

    // Equal values, though different objects, join up again.
    text->addAttributes({ .foregroundColor = UIColor::colorWithRed(1, 0, 0, 1) }, NSMakeRange(0, 2));
    text->addAttributes({ .foregroundColor = UIColor::redColor() }, NSMakeRange(4, 5));
    EXPECT_EQ(describeRuns(*text), (std::vector<std::string> { "21°C high|30|#ff0000ff" }));
    EXPECT_EQ(text->string(), "21°C high");
}

TEST(NSAttributedString, AttachmentsAreOneCharacterRunsEach)
{
    auto attachment = NSTextAttachment::create(nullptr, CGRectMake(0, 0, 15, 15));
    auto line = NSMutableAttributedString::create();
    line->appendAttributedString(*NSAttributedString::attributedStringWithAttachment(attachment));
    line->appendAttributedString(*NSAttributedString::attributedStringWithAttachment(attachment));
    line->appendAttributedString(NSAttributedString(" 06:45 AM"));
    line->addAttribute(
        NSFontAttributeName, UIFont::fontWithName("HelveticaNeue-Light", 15), NSMakeRange(0, line->length()));
    EXPECT_EQ(line->length(), 11u);
    EXPECT_EQ(describeRuns(*line),
        (std::vector<std::string> { "[attachment]|15|-", "[attachment]|15|-", " 06:45 AM|15|-" }));
    EXPECT_EQ(line->runs()[0].text, NSAttributedString::attachmentCharacter);
    EXPECT_EQ(line->runs()[0].attributes.attachment, attachment);
}

TEST(NSAttributedString, CopiesAreIndependentAndCompareByContent)
{
    auto original = NSMutableAttributedString::create("abc", { .font = UIFont::systemFontOfSize(12) });
    auto copy = original->copy();
    original->addAttribute(NSForegroundColorAttributeName, UIColor::greenColor(), NSMakeRange(0, 1));
    EXPECT_FALSE(copy->isEqualToAttributedString(*original));
    EXPECT_TRUE(
        copy->isEqualToAttributedString(NSAttributedString("abc", { .font = UIFont::systemFontOfSize(12) })));
    EXPECT_TRUE(original->mutableCopy()->isEqualToAttributedString(*original));
}

TEST(NSAttributedString, MisuseThrowsRatherThanCorruptingTheText)
{
    auto text = NSMutableAttributedString::create("abc");
    EXPECT_THROW(text->addAttribute(NSFontAttributeName, UIFont::systemFontOfSize(1), NSMakeRange(2, 2)),
        std::out_of_range);
    EXPECT_THROW(text->addAttribute(NSFontAttributeName, UIColor::redColor(), NSMakeRange(0, 1)),
        std::invalid_argument);
    EXPECT_THROW(text->attributesAtIndex(3), std::out_of_range);
    EXPECT_EQ(describeRuns(*text), (std::vector<std::string> { "abc|-|-" }));
    // An empty range at the end is allowed and changes nothing.
    text->addAttribute(NSFontAttributeName, UIFont::systemFontOfSize(1), NSMakeRange(3, 0));
    EXPECT_EQ(describeRuns(*text), (std::vector<std::string> { "abc|-|-" }));
}
