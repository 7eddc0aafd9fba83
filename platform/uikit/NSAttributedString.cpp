#include "uikit/NSAttributedString.h"

#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

// Bytes of the UTF-8 sequence that starts with `lead`; a stray byte counts alone.
size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// The byte offset of a UTF-16 index within the text, or nothing when it lies beyond the end.
// An index in the middle of a surrogate pair rounds down to the character.
std::optional<size_t> byteOffset(std::string_view text, NSUInteger index)
{
    size_t offset = 0;
    NSUInteger units = 0;
    while (units < index) {
        if (offset >= text.size())
            return std::nullopt;
        size_t length = std::min(sequenceLength(text[offset]), text.size() - offset);
        NSUInteger width = length == 4 ? 2 : 1;
        if (units + width > index)
            break;
        units += width;
        offset += length;
    }
    return offset;
}

template <class T> bool sameValue(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b)
{
    return a == b || (a && b && a->isEqual(*b));
}

} // namespace

bool NSTextAttributes::isEqual(const NSTextAttributes& other) const
{
    return sameValue(font, other.font) && sameValue(foregroundColor, other.foregroundColor)
        && attachment == other.attachment;
}

NSAttributedString::NSAttributedString(std::string_view text, NSTextAttributes attributes)
{
    m_runs.push_back({ std::string(text), std::move(attributes) });
    normalizeRuns();
}

std::shared_ptr<NSAttributedString> NSAttributedString::create(
    std::string_view text, NSTextAttributes attributes)
{
    return std::make_shared<NSAttributedString>(text, std::move(attributes));
}

std::shared_ptr<NSAttributedString> NSAttributedString::attributedStringWithAttachment(
    std::shared_ptr<NSTextAttachment> attachment)
{
    return create(attachmentCharacter, { .attachment = std::move(attachment) });
}

std::string NSAttributedString::string() const
{
    std::string result;
    for (auto& run : m_runs)
        result += run.text;
    return result;
}

NSUInteger NSAttributedString::utf16Length(std::string_view text)
{
    NSUInteger units = 0;
    for (size_t offset = 0; offset < text.size();) {
        size_t length = sequenceLength(text[offset]);
        units += length == 4 ? 2 : 1;
        offset += length;
    }
    return units;
}

NSUInteger NSAttributedString::length() const
{
    NSUInteger total = 0;
    for (auto& run : m_runs)
        total += utf16Length(run.text);
    return total;
}

const NSTextAttributes& NSAttributedString::attributesAtIndex(NSUInteger index) const
{
    for (auto& run : m_runs) {
        NSUInteger length = utf16Length(run.text);
        if (index < length)
            return run.attributes;
        index -= length;
    }
    throw std::out_of_range("attribute index beyond the end of the text");
}

std::shared_ptr<NSAttributedString> NSAttributedString::copy() const
{
    auto result = std::make_shared<NSAttributedString>();
    result->m_runs = m_runs;
    return result;
}

std::shared_ptr<NSMutableAttributedString> NSAttributedString::mutableCopy() const
{
    auto result = NSMutableAttributedString::create();
    result->appendAttributedString(*this);
    return result;
}

bool NSAttributedString::isEqualToAttributedString(const NSAttributedString& other) const
{
    if (m_runs.size() != other.m_runs.size())
        return false;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        if (m_runs[i].text != other.m_runs[i].text
            || !m_runs[i].attributes.isEqual(other.m_runs[i].attributes))
            return false;
    }
    return true;
}

size_t NSAttributedString::splitRunsAt(NSUInteger index)
{
    NSUInteger remaining = index;
    for (size_t i = 0; i < m_runs.size(); ++i) {
        if (remaining == 0)
            return i;
        NSUInteger length = utf16Length(m_runs[i].text);
        if (remaining < length) {
            size_t offset = *byteOffset(m_runs[i].text, remaining);
            NSAttributedRun tail { m_runs[i].text.substr(offset), m_runs[i].attributes };
            m_runs[i].text.resize(offset);
            m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
        remaining -= length;
    }
    if (remaining == 0)
        return m_runs.size();
    throw std::out_of_range("text range beyond the end of the text");
}

void NSAttributedString::normalizeRuns()
{
    std::vector<NSAttributedRun> runs;
    for (auto& run : m_runs) {
        if (run.text.empty())
            continue;
        // One run per attachment character, so that each draws its own image.
        if (run.attributes.attachment) {
            for (size_t offset = 0; offset < run.text.size();) {
                size_t length = std::min(sequenceLength(run.text[offset]), run.text.size() - offset);
                runs.push_back({ run.text.substr(offset, length), run.attributes });
                offset += length;
            }
            continue;
        }
        if (!runs.empty() && !runs.back().attributes.attachment
            && runs.back().attributes.isEqual(run.attributes))
            runs.back().text += run.text;
        else
            runs.push_back(std::move(run));
    }
    m_runs = std::move(runs);
}
