#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// A colour given as 0xRRGGBB.
struct LMSettingColour {
    std::uint32_t rgb;

    friend bool operator==(const LMSettingColour&, const LMSettingColour&) = default;
};

// One row of the settings table: a key of the preference file and the value its getter answers
// when the file does not hold the key. The fallback's alternative is the getter's type.
class LMSetting {
public:
    enum class Type { Bool, Int, Double, Colour, Object };
    using Fallback = std::variant<bool, int, double, LMSettingColour, std::string_view>;

    LMSetting(std::string_view key, Fallback);

    std::string_view key() const { return m_key; }
    const Fallback& fallback() const { return m_fallback; }
    Type type() const { return static_cast<Type>(m_fallback.index()); }
    // The fallback as the text handed to the preference manager, which it answers for an absent
    // key: "YES"/"NO", decimal numbers, "#rrggbb", or the text itself.
    const std::string& fallbackText() const { return m_fallbackText; }

private:
    std::string_view m_key;
    Fallback m_fallback;
    std::string m_fallbackText;
};
