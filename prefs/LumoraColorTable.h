#pragma once

#include <array>
#include <memory>
#include <string_view>

class UIColor;

enum class LumoraColor { Base, Chronel, Forecast, Ampiro, Kalendo, Missiva, Skipra, Melodra };

// The bundle's eight colours, shared by every cell: made once by the root page, so they exist
// before any cell lays itself out.
class LumoraColorTable {
public:
    static constexpr std::array<std::string_view, 8> texts { "#2D1F39", "#E35071", "#F5A623", "#9036FE",
        "#7ED321", "#F7E251", "#4A90E2", "#58E2C2" };

    static void fill();
    // Nothing before the table is filled.
    static std::shared_ptr<UIColor> color(LumoraColor);
};
