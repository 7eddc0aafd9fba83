#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class NSAttributedString;
class UIColor;

// The battery overlay's words and numbers.
namespace LMAmpiroText {

// Toward zero like the platform's conversion, but held within 32 bits, and 0 for what is not a
// number.
std::int32_t wholeNumber(double value);
const char* unitWord(std::int32_t count, const char* one, const char* many);
// The two lines of the battery line, with the state's word coloured.
std::shared_ptr<NSAttributedString> batteryLine(const std::string& firstLine, std::string_view word,
    std::shared_ptr<UIColor> color, const std::string& secondLine);

} // namespace LMAmpiroText
