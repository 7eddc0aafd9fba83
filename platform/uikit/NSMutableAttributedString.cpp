#include "uikit/NSMutableAttributedString.h"

#include "uikit/NSTextAttachment.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"

#include <stdexcept>

namespace {

template <class T> std::shared_ptr<T> valueOfType(const std::shared_ptr<NSObject>& value)
{
    auto typed = std::dynamic_pointer_cast<T>(value);
    if (!typed)
        throw std::invalid_argument("attribute value is not a " + T::staticClass()->name());
    return typed;
}

} // namespace

std::shared_ptr<NSMutableAttributedString> NSMutableAttributedString::create(
    std::string_view text, NSTextAttributes attributes)
{
    return std::make_shared<NSMutableAttributedString>(text, std::move(attributes));
}

void NSMutableAttributedString::appendAttributedString(const NSAttributedString& other)
{
    auto appended = other.runs();
    m_runs.insert(m_runs.end(), appended.begin(), appended.end());
    normalizeRuns();
}

void NSMutableAttributedString::addAttribute(
    NSAttributedStringKey key, std::shared_ptr<NSObject> value, NSRange range)
{
    NSTextAttributes attributes;
    switch (key) {
    case NSAttributedStringKey::Font:
        attributes.font = valueOfType<UIFont>(value);
        break;
    case NSAttributedStringKey::ForegroundColor:
        attributes.foregroundColor = valueOfType<UIColor>(value);
        break;
    case NSAttributedStringKey::Attachment:
        attributes.attachment = valueOfType<NSTextAttachment>(value);
        break;
    }
    addAttributes(attributes, range);
}

void NSMutableAttributedString::addAttributes(const NSTextAttributes& attributes, NSRange range)
{
    if (range.location + range.length > length())
        throw std::out_of_range("text range beyond the end of the text");
    size_t first = splitRunsAt(range.location);
    size_t end = splitRunsAt(range.location + range.length);
    for (size_t i = first; i < end; ++i) {
        auto& target = m_runs[i].attributes;
        if (attributes.font)
            target.font = attributes.font;
        if (attributes.foregroundColor)
            target.foregroundColor = attributes.foregroundColor;
        if (attributes.attachment)
            target.attachment = attributes.attachment;
    }
    normalizeRuns();
}
