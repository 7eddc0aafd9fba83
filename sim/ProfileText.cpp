#include "ProfileText.h"

#include "InputError.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

bool isNumberByte(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

} // namespace

void ProfileText::check(std::string_view text, const std::string& file)
{
    if (text.size() > maximumSize)
        throw InputError(file + ": a profile of " + std::to_string(text.size()) + " bytes (at most "
            + std::to_string(maximumSize) + ")");
    std::size_t depth = 0;
    int line = 1;
    std::string lastText, key;
    auto where = [&] { return file + ":" + std::to_string(line) + ": " + (key.empty() ? "" : key + ": "); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') {
            ++line;
        } else if (c == '"') {
            auto start = ++i;
            while (i < text.size() && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            lastText = std::string(text.substr(start, std::min(i, text.size()) - start).substr(0, 60));
        } else if (c == ':') {
            key = lastText;
        } else if (c == '{' || c == '[') {
            if (++depth > maximumDepth)
                throw InputError(where() + "nested more than " + std::to_string(maximumDepth) + " levels deep");
        } else if (c == '}' || c == ']') {
            depth -= depth > 0;
        } else if (isNumberByte(c)) {
            auto start = i;
            while (i + 1 < text.size() && isNumberByte(text[i + 1]))
                ++i;
            std::string number(text.substr(start, i - start + 1));
            errno = 0;
            auto value = std::strtod(number.c_str(), nullptr);
            if (errno == ERANGE && std::fabs(value) == HUGE_VAL)
                throw InputError(where() + "the number " + number.substr(0, 40) + " is too large");
        }
    }
}
