#pragma once

#include "uikit/NSAttributedString.h"

class NSMutableAttributedString : public NSAttributedString {
    OBJC_CLASS(NSMutableAttributedString, NSAttributedString)
public:
    using NSAttributedString::NSAttributedString;
    static std::shared_ptr<NSMutableAttributedString> create(
        std::string_view text = {}, NSTextAttributes attributes = {});

    void appendAttributedString(const NSAttributedString&);
    // Sets one attribute over the range. The value must be of the key's type (a UIFont, a
    // UIColor, an NSTextAttachment); anything else, or a range beyond the end, is a programming
    // error and throws.
    void addAttribute(NSAttributedStringKey key, std::shared_ptr<NSObject> value, NSRange range);
    // Sets the attributes that are given over the range and leaves the others.
    void addAttributes(const NSTextAttributes& attributes, NSRange range);
};
