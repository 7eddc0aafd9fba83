#pragma once

#include "uikit/CGGeometry.h"

#include <memory>
#include <vector>

class NSAttributedString;

struct TextLine {
    CGFloat width { 0 };
    CGFloat height { 0 };
};

struct TextLayout {
    std::vector<TextLine> lines;
    CGSize size() const;
};

// Measures text for labels. The renderer installs one that lays text out as it draws it; with
// none installed, EstimatedTextMetrics answers, so the toolkit runs without fonts.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // Lays the text out with every font scaled by `fontScale` (attachments keep their size). Lines
    // break at line feeds and, when `wrapWidth` is above zero, between words, so that a line is
    // wider than `wrapWidth` only when one word is. Runs without a font use the system font of
    // size 17. An empty text has no lines; a line feed at the end starts an empty last line.
    virtual TextLayout layout(const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth) const = 0;

    static const TextMetrics& current();
    // Nothing puts the estimate back.
    static void setCurrent(std::shared_ptr<const TextMetrics>);
    // Changes whenever setCurrent is called, so measurements cached against it are known stale.
    static unsigned generation();
};
