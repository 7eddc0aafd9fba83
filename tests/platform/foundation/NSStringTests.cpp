#include "foundation/NSNumber.h"
#include "foundation/NSString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

struct TextCase {
    const char* text;
    bool boolValue;
    int intValue;
    float floatValue;
};

} // namespace

TEST(NSString, ConvertsTextAsThePlatformDoes)
{
    const TextCase cases[] = {
        { "YES", true, 0, 0 },
        { "yes", true, 0, 0 },
        { "  true", true, 0, 0 },
        { "t", true, 0, 0 },
        { "NO", false, 0, 0 },
        { "false", false, 0, 0 },
        { "", false, 0, 0 },
        { "   ", false, 0, 0 },
        { "abc", false, 0, 0 },
        { "0", false, 0, 0 },
        { "1", true, 1, 1 },
        { "9", true, 9, 9 },
        { "\t 42abc", true, 42, 42 },
        { "-5", false, -5, -5 },
        { "+7", false, 7, 7 },
        { "60.0", true, 60, 60 },
        { "0.5", false, 0, 0.5f },
        { "1800", true, 1800, 1800 },
        { "1e3", true, 1, 1000 },
        { "2.5e", true, 2, 2.5f },
        { ".5", false, 0, 0.5f },
        { "-", false, 0, 0 },
        { "0x10", false, 0, 0 },
        { "inf", false, 0, 0 },
        { "nan", false, 0, 0 },
        { "2147483647", true, INT_MAX, 2147483647.0f },
        { "2147483648", true, INT_MAX, 2147483648.0f },
        { "99999999999999999999", true, INT_MAX, 1e20f },
        { "-2147483648", false, INT_MIN, -2147483648.0f },
        { "-2147483649", false, INT_MIN, -2147483649.0f },
        { "0.1", false, 0, 0.1f },
    };
    for (const auto& testCase : cases) {
        NSString text(testCase.text);
        EXPECT_EQ(text.boolValue(), testCase.boolValue) << '"' << testCase.text << '"';
        EXPECT_EQ(text.intValue(), testCase.intValue) << '"' << testCase.text << '"';
        EXPECT_EQ(text.floatValue(), testCase.floatValue) << '"' << testCase.text << '"';
    }
}

TEST(NSString, FloatValueIsSinglePrecisionWhileDoubleValueIsNot)
{
    NSString text("0.1");
    EXPECT_EQ(static_cast<double>(text.floatValue()), static_cast<double>(0.1f));
    EXPECT_NE(static_cast<double>(text.floatValue()), 0.1);
    EXPECT_EQ(text.doubleValue(), 0.1);
}

TEST(NSString, IntegerValueSaturatesAtSixtyFourBits)
{
    EXPECT_EQ(NSString("9223372036854775808").integerValue(), LONG_MAX);
    EXPECT_EQ(NSString("-9223372036854775809").integerValue(), LONG_MIN);
    EXPECT_EQ(NSString(" 4294967296").integerValue(), 4294967296L);
}

TEST(NSString, NumericSearchComparesRunsOfDigitsByValue)
{
    struct {
        const char* left;
        const char* right;
        NSComparisonResult numeric;
        NSComparisonResult literal;
    } cases[] = {
        { "9.10", "9.2", NSOrderedDescending, NSOrderedAscending },
        { "10.0", "9.3", NSOrderedDescending, NSOrderedAscending },
        { "9.3", "9.0", NSOrderedDescending, NSOrderedDescending },
        { "9.0", "9.0", NSOrderedSame, NSOrderedSame },
        { "9.0", "9.0.1", NSOrderedAscending, NSOrderedAscending },
        { "8.4", "9.0", NSOrderedAscending, NSOrderedAscending },
        { "10.1", "10.0", NSOrderedDescending, NSOrderedDescending },
        { "9.02", "9.2", NSOrderedSame, NSOrderedAscending },
        { "Name25", "Name7", NSOrderedDescending, NSOrderedAscending },
        { "a", "B", NSOrderedDescending, NSOrderedDescending },
    };
    for (const auto& testCase : cases) {
        NSString left(testCase.left);
        EXPECT_EQ(left.compare(testCase.right, NSNumericSearch), testCase.numeric)
            << testCase.left << " vs " << testCase.right;
        EXPECT_EQ(left.compare(testCase.right), testCase.literal)
            << testCase.left << " vs " << testCase.right;
    }
    EXPECT_EQ(NSString("a").compare("B", NSCaseInsensitiveSearch), NSOrderedAscending);
    EXPECT_EQ(NSString("ABC").compare("abc", NSCaseInsensitiveSearch | NSNumericSearch), NSOrderedSame);
}

TEST(NSString, FormatsWithTheObjectSpecifier)
{
    EXPECT_EQ(NSString::stringWithFormat("%@ has %d%%", "battery", 42)->UTF8String(), "battery has 42%");
}

TEST(NSNumber, ConvertsAsANumber)
{
    struct {
        std::shared_ptr<NSNumber> number;
        bool boolValue;
        int intValue;
        float floatValue;
    } cases[] = {
        { NSNumber::numberWithBool(true), true, 1, 1 },
        { NSNumber::numberWithBool(false), false, 0, 0 },
        { NSNumber::numberWithInteger(0), false, 0, 0 },
        { NSNumber::numberWithInteger(-5), true, -5, -5 },
        { NSNumber::numberWithInteger(5000000000L), true, INT_MAX, 5e9f },
        { NSNumber::numberWithInteger(-5000000000L), true, INT_MIN, -5e9f },
        { NSNumber::numberWithDouble(0.5), true, 0, 0.5f },
        { NSNumber::numberWithDouble(-2.9), true, -2, -2.9f },
        { NSNumber::numberWithDouble(0.1), true, 0, 0.1f },
        { NSNumber::numberWithDouble(1e300), true, INT_MAX, INFINITY },
        { NSNumber::numberWithDouble(NAN), true, 0, NAN },
    };
    for (const auto& testCase : cases) {
        const auto& number = *testCase.number;
        EXPECT_EQ(number.boolValue(), testCase.boolValue) << number.doubleValue();
        EXPECT_EQ(number.intValue(), testCase.intValue) << number.doubleValue();
        if (std::isnan(testCase.floatValue))
            EXPECT_TRUE(std::isnan(number.floatValue()));
        else
            EXPECT_EQ(number.floatValue(), testCase.floatValue) << number.doubleValue();
    }
}

TEST(ScalarValue, AnswersForTextAndNumbersOnly)
{
    std::shared_ptr<NSObject> text = std::make_shared<NSString>("1");
    std::shared_ptr<NSObject> number = NSNumber::numberWithBool(true);
    auto object = std::make_shared<NSObject>();
    std::shared_ptr<NSObject> nothing;
    EXPECT_NE(foundation::ScalarValue::of(text), nullptr);
    EXPECT_NE(foundation::ScalarValue::of(number), nullptr);
    EXPECT_EQ(foundation::ScalarValue::of(object), nullptr);
    EXPECT_EQ(foundation::ScalarValue::of(nothing), nullptr);
}
