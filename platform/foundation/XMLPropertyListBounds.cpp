#include "foundation/PropertyListBounds.h"

#include <algorithm>
#include <string_view>
#include <vector>

// The XML form is checked by following its element nesting; a property list holds two levels
// more than its containers (the plist element and a leaf element). Anything that could make this
// count lower than what a parser sees (an unterminated comment or tag, a closing tag that does not
// match) makes the file unreadable instead.

namespace foundation {
namespace {

constexpr std::size_t maximumElementDepth = PropertyListBounds::maximumDepth + 2;

bool isNameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/' || c == '>';
}

// The position of the '>' closing the tag that starts at `start`, skipping quoted attribute values.
std::size_t tagEnd(std::string_view text, std::size_t start)
{
    char quote = 0;
    for (auto i = start + 1; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view elementName(std::string_view text, std::size_t start)
{
    auto end = start;
    while (end < text.size() && !isNameEnd(text[end]))
        ++end;
    return text.substr(start, end - start);
}

// libplist aborts on text with a null character in it (it asserts the C length): a raw null
// byte, or a character reference to 0. References beyond Unicode are no XML either.
bool holdsNullOrBadReference(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return true;
    for (auto position = text.find("&#"); position != std::string_view::npos;
         position = text.find("&#", position + 2)) {
        auto digits = text.substr(position + 2);
        int base = 10;
        if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X')) {
            base = 16;
            digits.remove_prefix(1);
        }
        std::uint64_t value = 0;
        for (char c : digits) {
            int digit = c >= '0' && c <= '9'         ? c - '0'
                : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                break;
            value = std::min<std::uint64_t>(value * base + digit, 0x110000);
        }
        if (value == 0 || value > 0x10FFFF)
            return true;
    }
    return false;
}

} // namespace

bool PropertyListBounds::allowsXML(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > maximumSize)
        return false;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (holdsNullOrBadReference(text))
        return false;
    static constexpr std::pair<std::string_view, std::string_view> skipped[] = {
        { "<!--", "-->" },
        { "<![CDATA[", "]]>" },
        { "<?", "?>" },
    };
    std::vector<std::string_view> open;
    std::size_t position = 0;
    while ((position = text.find('<', position)) != std::string_view::npos) {
        auto rest = text.substr(position);
        bool wasSkipped = false;
        for (auto [opening, closing] : skipped) {
            if (!rest.starts_with(opening))
                continue;
            auto end = text.find(closing, position + opening.size());
            if (end == std::string_view::npos)
                return false;
            position = end + closing.size();
            wasSkipped = true;
            break;
        }
        if (wasSkipped)
            continue;
        auto end = tagEnd(text, position);
        if (end == std::string_view::npos)
            return false;
        if (rest.starts_with("</")) {
            if (open.empty() || open.back() != elementName(text, position + 2))
                return false;
            open.pop_back();
        } else if (!rest.starts_with("<!") && text[end - 1] != '/') {
            open.push_back(elementName(text, position + 1));
            if (open.size() > maximumElementDepth)
                return false;
        }
        position = end + 1;
    }
    return true;
}

} // namespace foundation
