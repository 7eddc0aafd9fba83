#pragma once

#include "objc/NSObject.h"
#include "uikit/NSRange.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class NSMutableAttributedString;
class NSTextAttachment;
class UIColor;
class UIFont;

enum class NSAttributedStringKey { Font, ForegroundColor, Attachment };
inline constexpr NSAttributedStringKey NSFontAttributeName = NSAttributedStringKey::Font;
inline constexpr NSAttributedStringKey NSForegroundColorAttributeName
    = NSAttributedStringKey::ForegroundColor;
inline constexpr NSAttributedStringKey NSAttachmentAttributeName = NSAttributedStringKey::Attachment;

// The attributes a span of text may carry; an empty one is not set.
struct NSTextAttributes {
    std::shared_ptr<UIFont> font {};
    std::shared_ptr<UIColor> foregroundColor {};
    std::shared_ptr<NSTextAttachment> attachment {};

    // Fonts and colours by value, attachments by identity.
    bool isEqual(const NSTextAttributes& other) const;
};

// A stretch of text with one set of attributes. A run with an attachment is one character
// (U+FFFC as the platform writes it) that stands for the attachment's image and is not drawn.
struct NSAttributedRun {
    std::string text;
    NSTextAttributes attributes;
};

// Immutable text, held as UTF-8, in runs of equal attributes. Indexes and lengths count UTF-16
// code units, as the platform's do, so "°" counts one and an emoji two.
class NSAttributedString : public NSObject {
    OBJC_CLASS(NSAttributedString, NSObject)
public:
    static constexpr std::string_view attachmentCharacter = "\xEF\xBF\xBC";

    explicit NSAttributedString(std::string_view text = {}, NSTextAttributes attributes = {});

    static std::shared_ptr<NSAttributedString> create(
        std::string_view text = {}, NSTextAttributes attributes = {});
    static std::shared_ptr<NSAttributedString> attributedStringWithAttachment(
        std::shared_ptr<NSTextAttachment>);

    std::string string() const;
    NSUInteger length() const;
    // Adjacent runs always differ, except that every attachment character is a run of its own.
    const std::vector<NSAttributedRun>& runs() const { return m_runs; }
    // Throws std::out_of_range beyond the end.
    const NSTextAttributes& attributesAtIndex(NSUInteger index) const;

    std::shared_ptr<NSAttributedString> copy() const;
    std::shared_ptr<NSMutableAttributedString> mutableCopy() const;
    bool isEqualToAttributedString(const NSAttributedString& other) const;

    // UTF-16 code units of UTF-8 text.
    static NSUInteger utf16Length(std::string_view text);

protected:
    // Makes `index` a run boundary and returns the number of the run that starts there.
    // Throws std::out_of_range beyond the end.
    size_t splitRunsAt(NSUInteger index);
    // Drops empty runs and joins neighbours that carry the same attributes.
    void normalizeRuns();

    std::vector<NSAttributedRun> m_runs;
};
