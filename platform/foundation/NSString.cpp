#include "foundation/NSString.h"

#include "foundation/DeviceFileSystem.h"

#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutLeadingBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

template <class T> T leadingWholeNumber(std::string_view text)
{
    using Limits = std::numeric_limits<T>;
    text = withoutLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    T value = 0;
    for (char c : text) {
        if (!isDigit(c))
            break;
        T digit = c - '0';
        if (negative) {
            if (value < (Limits::min() + digit) / 10)
                return Limits::min();
            value = value * 10 - digit;
        } else {
            if (value > (Limits::max() - digit) / 10)
                return Limits::max();
            value = value * 10 + digit;
        }
    }
    return value;
}

// Sign, digits, an optional fraction and exponent: the text strtod reads, less its hexadecimal,
// infinity and not-a-number forms, which no preference means.
std::string leadingDecimal(std::string_view text)
{
    text = withoutLeadingBlanks(text);
    size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    size_t digits = 0;
    for (; end < text.size() && isDigit(text[end]); ++end)
        ++digits;
    if (end < text.size() && text[end] == '.') {
        for (++end; end < text.size() && isDigit(text[end]); ++end)
            ++digits;
    }
    if (!digits)
        return {};
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        size_t exponentStart = exponent;
        while (exponent < text.size() && isDigit(text[exponent]))
            ++exponent;
        if (exponent > exponentStart)
            end = exponent;
    }
    return std::string(text.substr(0, end));
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

unsigned char foldedCase(unsigned char c, bool fold)
{
    return fold && c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

std::string_view digitRun(std::string_view text, size_t& position)
{
    size_t start = position;
    while (position < text.size() && isDigit(text[position]))
        ++position;
    auto run = text.substr(start, position - start);
    while (run.size() > 1 && run.front() == '0')
        run.remove_prefix(1);
    return run;
}

NSComparisonResult order(bool ascending)
{
    return ascending ? NSOrderedAscending : NSOrderedDescending;
}

bool isValidUTF8(const std::vector<std::uint8_t>& bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        std::uint8_t lead = bytes[i];
        size_t length;
        char32_t codePoint;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        static constexpr char32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (codePoint < smallest[length] || codePoint > 0x10FFFF
            || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

std::shared_ptr<NSString> NSString::stringWithContentsOfFile(std::string_view path)
{
    auto bytes = foundation::DeviceFileSystem::readFile(path);
    if (!bytes || !isValidUTF8(*bytes))
        return nullptr;
    return std::make_shared<NSString>(std::string(bytes->begin(), bytes->end()));
}

NSComparisonResult NSString::compare(std::string_view other, NSUInteger options) const
{
    bool numeric = options & NSNumericSearch;
    bool fold = options & NSCaseInsensitiveSearch;
    std::string_view text = m_text;
    size_t i = 0, j = 0;
    while (i < text.size() && j < other.size()) {
        if (numeric && isDigit(text[i]) && isDigit(other[j])) {
            auto left = digitRun(text, i);
            auto right = digitRun(other, j);
            if (left.size() != right.size())
                return order(left.size() < right.size());
            if (int difference = left.compare(right))
                return order(difference < 0);
            continue;
        }
        auto left = foldedCase(static_cast<unsigned char>(text[i++]), fold);
        auto right = foldedCase(static_cast<unsigned char>(other[j++]), fold);
        if (left != right)
            return order(left < right);
    }
    if (i == text.size() && j == other.size())
        return NSOrderedSame;
    return order(i == text.size());
}

bool NSString::boolValue() const
{
    auto text = withoutLeadingBlanks(m_text);
    if (text.empty())
        return false;
    char first = text.front();
    return first == 'Y' || first == 'y' || first == 'T' || first == 't' || (first >= '1' && first <= '9');
}

int NSString::intValue() const
{
    return leadingWholeNumber<int>(m_text);
}

NSInteger NSString::integerValue() const
{
    return leadingWholeNumber<NSInteger>(m_text);
}

float NSString::floatValue() const
{
    auto number = leadingDecimal(m_text);
    return number.empty() ? 0.0f : strtof_l(number.c_str(), nullptr, cLocale());
}

double NSString::doubleValue() const
{
    auto number = leadingDecimal(m_text);
    return number.empty() ? 0.0 : strtod_l(number.c_str(), nullptr, cLocale());
}
