#pragma once

#include <span>
#include <string_view>

// The settings model as one table: every key of the preference file with the type its getter
// answers and its fallback, as text. This adapter stands in for the model's own enumerable
// table until that lands; the tests read the settings only through it.
struct SettingsModelEntry {
    enum class Kind { Bool, Int, Double, Colour, Object };

    std::string_view key;
    Kind kind;
    std::string_view fallback;
};

std::span<const SettingsModelEntry> settingsModel();
