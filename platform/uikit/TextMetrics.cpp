#include "uikit/TextMetrics.h"

#include "uikit/EstimatedTextMetrics.h"

#include <algorithm>

namespace {

struct Installed {
    std::shared_ptr<const TextMetrics> metrics;
    unsigned generation { 0 };
};

Installed& installed()
{
    static Installed s_installed { std::make_shared<EstimatedTextMetrics>() };
    return s_installed;
}

} // namespace

CGSize TextLayout::size() const
{
    CGSize result {};
    for (auto& line : lines) {
        result.width = std::max(result.width, line.width);
        result.height += line.height;
    }
    return result;
}

const TextMetrics& TextMetrics::current()
{
    return *installed().metrics;
}

void TextMetrics::setCurrent(std::shared_ptr<const TextMetrics> metrics)
{
    auto& state = installed();
    state.metrics = metrics ? std::move(metrics) : std::make_shared<EstimatedTextMetrics>();
    ++state.generation;
}

unsigned TextMetrics::generation()
{
    return installed().generation;
}
