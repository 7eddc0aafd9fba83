#pragma once

#include "foundation/NSObjCRuntime.h"
#include "foundation/ScalarValue.h"
#include "objc/Format.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>
#include <string_view>

enum NSStringCompareOptions : NSUInteger {
    NSCaseInsensitiveSearch = 1,
    NSLiteralSearch = 2,
    NSNumericSearch = 64,
};

// Immutable text, held as UTF-8.
class NSString : public NSObject, public foundation::ScalarValue {
    OBJC_CLASS(NSString, NSObject)
public:
    NSString() = default;
    explicit NSString(std::string utf8)
        : m_text(std::move(utf8))
    { }

    static std::shared_ptr<NSString> stringWithUTF8String(std::string_view utf8)
    {
        return std::make_shared<NSString>(std::string(utf8));
    }
    template <class... Args>
    static std::shared_ptr<NSString> stringWithFormat(std::string_view format, const Args&... args)
    {
        return std::make_shared<NSString>(objc::format(format, args...));
    }
    // The file's text, or nothing when it is missing, outside the device or not UTF-8.
    static std::shared_ptr<NSString> stringWithContentsOfFile(std::string_view path);

    const std::string& UTF8String() const { return m_text; }
    bool isEqualToString(std::string_view other) const { return m_text == other; }

    // Literal order of code points; NSCaseInsensitiveSearch folds ASCII letters, and
    // NSNumericSearch compares runs of digits by their value ("9.10" after "9.2").
    NSComparisonResult compare(std::string_view other, NSUInteger options = 0) const;

    // True when the text begins, after leading blanks, with Y, y, T, t or a digit 1 to 9.
    bool boolValue() const override;
    // Leading blanks, an optional sign, digits up to the first non-digit; 0 when there are none;
    // saturates at the type's limits.
    int intValue() const override;
    NSInteger integerValue() const override;
    // The leading decimal number (blanks, sign, digits, fraction, exponent), 0 when there is none.
    float floatValue() const override;
    double doubleValue() const override;

private:
    std::string m_text;
};
