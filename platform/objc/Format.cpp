#include "objc/Format.h"

#include <cstdio>

namespace objc {
namespace {

bool isLengthModifier(char c)
{
    return c == 'l' || c == 'h' || c == 'z' || c == 'q' || c == 'j' || c == 't' || c == 'L';
}

std::string printfConversion(std::string_view conversion, const char* length, char type)
{
    std::string printfFormat(conversion.substr(0, conversion.size() - 1));
    printfFormat += length;
    printfFormat += type;
    return printfFormat;
}

template <class T> void appendPrintf(std::string& out, const std::string& printfFormat, T value)
{
    char buffer[512];
    int written = std::snprintf(buffer, sizeof buffer, printfFormat.c_str(), value);
    if (written < 0)
        return;
    if (static_cast<size_t>(written) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(written));
        return;
    }
    std::string large(static_cast<size_t>(written) + 1, '\0');
    std::snprintf(large.data(), large.size(), printfFormat.c_str(), value);
    large.pop_back();
    out += large;
}

} // namespace

void FormatArgument::appendTo(std::string& out, std::string_view conversion) const
{
    char type = conversion.back();
    switch (type) {
    case '@':
    case 's':
        if (m_kind == Kind::Text) {
            appendPrintf(out, printfConversion(conversion, "", 's'), std::string(m_text).c_str());
            return;
        }
        if (m_kind == Kind::Integer)
            out += std::to_string(m_integer);
        else
            appendPrintf(out, "%g", m_real);
        return;
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c': {
        long long value = m_kind == Kind::Integer ? m_integer
            : m_kind == Kind::Real                ? static_cast<long long>(m_real)
                                                  : 0;
        appendPrintf(out, printfConversion(conversion, type == 'c' ? "" : "ll", type),
            type == 'c' ? static_cast<long long>(static_cast<int>(value)) : value);
        return;
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G': {
        double value = m_kind == Kind::Real ? m_real
            : m_kind == Kind::Integer       ? static_cast<double>(m_integer)
                                            : 0.0;
        appendPrintf(out, printfConversion(conversion, "", type), value);
        return;
    }
    default:
        out += conversion;
    }
}

std::string formatWithArguments(std::string_view format, const std::vector<FormatArgument>& arguments)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // flags, width and precision are kept; length modifiers are dropped.
        std::string conversion = "%";
        size_t j = i + 1;
        while (j < format.size()
            && std::string_view("-+ #0123456789.").find(format[j]) != std::string_view::npos)
            conversion += format[j++];
        while (j < format.size() && isLengthModifier(format[j]))
            ++j;
        if (j >= format.size()) {
            out += format.substr(i);
            break;
        }
        conversion += format[j];
        if (next < arguments.size())
            arguments[next].appendTo(out, conversion);
        ++next;
        i = j;
    }
    return out;
}

} // namespace objc
