#pragma once

#include "uikit/TextMetrics.h"

// A deterministic stand-in for real font metrics: every character is 0.55 em wide and a line
// is 1.2 em high (or as high as its tallest attachment). Good enough to test layout decisions
// without fonts; the renderer's metrics replace it.
class EstimatedTextMetrics final : public TextMetrics {
public:
    static constexpr CGFloat advancePerEm = 0.55;
    static constexpr CGFloat lineHeightPerEm = 1.2;

    TextLayout layout(const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth) const override;
};
