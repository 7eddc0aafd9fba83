#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace objc {

// One argument of a printf-style format with the platform's "%@" (an object's description;
// here, text). Numbers keep whether they are whole.
class FormatArgument {
public:
    template <class T>
    requires std::is_integral_v<T> FormatArgument(T value)
        : m_kind(Kind::Integer)
        , m_integer(static_cast<long long>(value))
    { }
    template <class T>
    requires std::is_floating_point_v<T> FormatArgument(T value)
        : m_kind(Kind::Real)
        , m_real(static_cast<double>(value))
    { }
    FormatArgument(std::string_view text)
        : m_kind(Kind::Text)
        , m_text(text)
    { }
    FormatArgument(const std::string& text)
        : FormatArgument(std::string_view(text))
    { }
    FormatArgument(const char* text)
        : FormatArgument(std::string_view(text ? text : "(null)"))
    { }

    // Appends this argument converted by one conversion, given without its length modifiers.
    void appendTo(std::string& out, std::string_view conversion) const;

private:
    enum class Kind { Integer, Real, Text };
    Kind m_kind;
    long long m_integer { 0 };
    double m_real { 0 };
    std::string_view m_text;
};

// printf-style formatting with "%@" for text: stringWithFormat: of the platform.
// Length modifiers (l, ll, h, z, q) are accepted and ignored; a missing argument formats as nothing.
std::string formatWithArguments(std::string_view format, const std::vector<FormatArgument>& arguments);

template <class... Args> std::string format(std::string_view format, const Args&... args)
{
    return formatWithArguments(format, { FormatArgument(args)... });
}

} // namespace objc
