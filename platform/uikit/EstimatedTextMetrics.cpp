#include "uikit/EstimatedTextMetrics.h"

#include "uikit/NSAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIFont.h"

#include <algorithm>

namespace {

constexpr CGFloat defaultFontSize = 17;
// Widths that differ by rounding alone still fit.
constexpr CGFloat tolerance = 1e-9;

enum class Kind { Glyph, Space, LineFeed };

struct Item {
    Kind kind;
    CGFloat width;
    CGFloat height;
};

std::vector<Item> itemsOf(const NSAttributedString& text, CGFloat fontScale)
{
    std::vector<Item> items;
    for (auto& run : text.runs()) {
        if (auto& attachment = run.attributes.attachment) {
            CGSize size = attachment->displaySize();
            items.push_back({ Kind::Glyph, size.width, size.height });
            continue;
        }
        CGFloat em = (run.attributes.font ? run.attributes.font->pointSize() : defaultFontSize) * fontScale;
        for (size_t i = 0; i < run.text.size(); ++i) {
            unsigned char byte = run.text[i];
            if ((byte & 0xC0) == 0x80)
                continue; // inside a character
            Kind kind = byte == '\n' ? Kind::LineFeed : byte == ' ' ? Kind::Space : Kind::Glyph;
            items.push_back({ kind, kind == Kind::LineFeed ? 0 : em * EstimatedTextMetrics::advancePerEm,
                em * EstimatedTextMetrics::lineHeightPerEm });
        }
    }
    return items;
}

class LineBreaker {
public:
    explicit LineBreaker(CGFloat wrapWidth)
        : m_wrapWidth(wrapWidth)
    { }

    void add(const Item& item)
    {
        m_lastHeight = item.height;
        switch (item.kind) {
        case Kind::Glyph:
            m_word.width += item.width;
            m_word.height = std::max(m_word.height, item.height);
            m_hasWord = true;
            break;
        case Kind::Space:
            placeWord();
            m_pendingSpace += item.width;
            m_line.height = std::max(m_line.height, item.height);
            break;
        case Kind::LineFeed:
            placeWord();
            m_line.height = std::max(m_line.height, item.height);
            endLine();
            break;
        }
    }

    std::vector<TextLine> finish()
    {
        placeWord();
        if (!m_line.height)
            m_line.height = m_lastHeight;
        endLine();
        return std::move(m_lines);
    }

private:
    void placeWord()
    {
        if (!m_hasWord)
            return;
        bool overflows = m_line.width + m_pendingSpace + m_word.width > m_wrapWidth + tolerance;
        if (m_wrapWidth > 0 && m_lineHasWord && overflows)
            endLine();
        m_line.width += m_pendingSpace + m_word.width;
        m_line.height = std::max(m_line.height, m_word.height);
        m_lineHasWord = true;
        m_pendingSpace = 0;
        m_word = {};
        m_hasWord = false;
    }

    void endLine()
    {
        m_lines.push_back(m_line);
        m_line = {};
        m_pendingSpace = 0;
        m_lineHasWord = false;
    }

    CGFloat m_wrapWidth;
    std::vector<TextLine> m_lines;
    TextLine m_line;
    TextLine m_word;
    bool m_hasWord { false };
    bool m_lineHasWord { false };
    CGFloat m_pendingSpace { 0 };
    CGFloat m_lastHeight { 0 };
};

} // namespace

TextLayout EstimatedTextMetrics::layout(
    const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth) const
{
    auto items = itemsOf(text, fontScale);
    if (items.empty())
        return {};
    LineBreaker breaker(wrapWidth);
    for (auto& item : items)
        breaker.add(item);
    return { breaker.finish() };
}
