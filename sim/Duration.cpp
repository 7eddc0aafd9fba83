#include "Duration.h"

#include "NumberText.h"

#include <array>
#include <utility>

std::optional<NSTimeInterval> Duration::parse(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, double>, 4> units { {
        { "ms", 0.001 },
        { "s", 1 },
        { "m", 60 },
        { "h", 3600 },
    } };
    for (auto& [suffix, seconds] : units) {
        if (text.size() <= suffix.size() || !text.ends_with(suffix))
            continue;
        auto amount = NumberText::parse(text.substr(0, text.size() - suffix.size()));
        if (amount && *amount >= 0 && *amount * seconds <= maximum)
            return *amount * seconds;
        return std::nullopt;
    }
    return std::nullopt;
}
