#include "settings/LMSetting.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace {

struct TextOf {
    std::string operator()(bool value) const { return value ? "YES" : "NO"; }
    std::string operator()(int value) const { return std::to_string(value); }
    std::string operator()(double value) const
    {
        std::array<char, 32> buffer;
        auto end = std::to_chars(buffer.begin(), buffer.end(), value).ptr;
        return std::string(buffer.begin(), end);
    }
    std::string operator()(LMSettingColour colour) const
    {
        std::array<char, 16> buffer;
        std::snprintf(buffer.data(), buffer.size(), "#%06x", static_cast<unsigned>(colour.rgb & 0xffffff));
        return buffer.data();
    }
    std::string operator()(std::string_view text) const { return std::string(text); }
};

} // namespace

LMSetting::LMSetting(std::string_view key, Fallback fallback)
    : m_key(key)
    , m_fallback(fallback)
    , m_fallbackText(std::visit(TextOf {}, fallback))
{ }
