#include "Target.h"

#include "NumberText.h"

std::optional<Target> Target::parse(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    Target target;
    target.m_text = std::string(text);
    if (auto comma = text.find(','); comma != std::string_view::npos) {
        auto x = NumberText::parse(text.substr(0, comma));
        auto y = NumberText::parse(text.substr(comma + 1));
        if (!x || !y)
            return std::nullopt;
        target.m_point = CGPointMake(*x, *y);
        return target;
    }
    size_t start = 0;
    while (true) {
        auto slash = text.find('/', start);
        auto step
            = text.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
        if (step.empty())
            return std::nullopt;
        target.m_path.emplace_back(step);
        if (slash == std::string_view::npos)
            return target;
        start = slash + 1;
    }
}
