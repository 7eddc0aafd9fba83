#pragma once

#include <optional>
#include <string>
#include <string_view>

// A decimal number written in full ("12", "-0.5", "1e3"), nothing else around it.
class NumberText {
public:
    // Nothing when the text is not exactly one finite number.
    static std::optional<double> parse(std::string_view);
    // The shortest text that reads back as the same number: "0.64", "12".
    static std::string format(double);
};
