#include "LMAmpiro/LMAmpiroText.h"

#include "objc/Format.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/UIColor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace LMAmpiroText {

// Toward zero like the platform's conversion, but held within 32 bits (a raw capacity or a drop
// interval far beyond any real battery would otherwise overflow), and 0 for what is not a number.
std::int32_t wholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(value), lowest, highest));
}

const char* unitWord(std::int32_t count, const char* one, const char* many)
{
    return count == 1 ? one : many;
}

// The two lines of the battery line, with the state's word coloured.
std::shared_ptr<NSAttributedString> batteryLine(const std::string& firstLine, std::string_view word,
    std::shared_ptr<UIColor> color, const std::string& secondLine)
{
    auto text = NSMutableAttributedString::create(objc::format("%@%@", firstLine, secondLine));
    auto start = firstLine.find(word);
    text->addAttribute(NSForegroundColorAttributeName, std::move(color),
        NSMakeRange(NSAttributedString::utf16Length(firstLine.substr(0, start)), word.size()));
    return text;
}

} // namespace LMAmpiroText
