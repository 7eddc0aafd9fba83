#include "uikit/UILabel.h"

#include "uikit/NSMutableAttributedString.h"
#include "uikit/TextMetrics.h"
#include "uikit/UIFont.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <nlohmann/json.hpp>

namespace {

constexpr CGFloat widthTolerance = 1e-6;
// Halving the interval this often brings the factor within a thousandth of the best one.
constexpr int searchSteps = 10;

// Without the empty lines a final line feed leaves, which show nothing.
size_t visibleLineCount(const TextLayout& layout)
{
    size_t count = layout.lines.size();
    while (count > 0 && layout.lines[count - 1].width <= 0)
        --count;
    return count;
}

// Without putting the runs together, as labels set their text again and again.
bool spells(const NSAttributedString& string, std::string_view text)
{
    size_t at = 0;
    for (auto& run : string.runs()) {
        if (text.substr(at).substr(0, run.text.size()) != run.text)
            return false;
        at += run.text.size();
    }
    return at == text.size();
}

// A line laid out without hinting grows with its fonts' size: width = a * scale + b, b being what
// does not scale (attachments). Each glyph's advance is rounded on its own, so the line strays
// from that by at most a fraction of a point; only a scale whose width falls that close to the
// label's needs laying out to be sure. Each size laid out costs a new font, and the search tries
// ten.
class ProportionalWidth {
public:
    ProportionalWidth(CGFloat widthAtOne, CGFloat smallScale, CGFloat widthAtSmallScale, size_t characters)
        : m_perScale((widthAtOne - widthAtSmallScale) / (1 - smallScale))
        , m_constant(widthAtOne - m_perScale)
        , m_margin(0.01 + 0.002 * static_cast<CGFloat>(characters) + 0.0005 * std::abs(widthAtOne))
    { }

    std::optional<bool> fits(CGFloat scale, CGFloat width) const
    {
        CGFloat estimate = m_perScale * scale + m_constant;
        if (estimate + m_margin <= width)
            return true;
        if (estimate - m_margin > width)
            return false;
        return std::nullopt;
    }

private:
    CGFloat m_perScale;
    CGFloat m_constant;
    CGFloat m_margin;
};

} // namespace

UILabel::UILabel(CGRect frame)
    : UIView(frame)
    , m_font(UIFont::systemFontOfSize(17))
    , m_textColor(UIColor::blackColor())
{
    setUserInteractionEnabled(false);
}

std::string UILabel::text() const
{
    return m_attributedText ? m_attributedText->string() : std::string();
}

void UILabel::setText(std::string_view text)
{
    // Plain text keeps the label's font and colour, so the same words again change nothing.
    if (!m_isAttributed && m_attributedText && spells(*m_attributedText, text))
        return;
    m_attributedText = NSAttributedString::create(text, { .font = m_font, .foregroundColor = m_textColor });
    m_isAttributed = false;
    textChanged();
}

void UILabel::setAttributedText(const std::shared_ptr<NSAttributedString>& text)
{
    m_attributedText = text ? text->copy() : nullptr;
    m_isAttributed = text != nullptr;
    textChanged();
}

void UILabel::setFont(std::shared_ptr<UIFont> font)
{
    m_font = font ? std::move(font) : UIFont::systemFontOfSize(17);
    if (m_attributedText) {
        auto text = m_attributedText->mutableCopy();
        text->addAttributes({ .font = m_font }, NSMakeRange(0, text->length()));
        m_attributedText = text;
    }
    textChanged();
}

void UILabel::setTextColor(std::shared_ptr<UIColor> color)
{
    m_textColor = color ? std::move(color) : UIColor::blackColor();
    if (m_attributedText) {
        auto text = m_attributedText->mutableCopy();
        text->addAttributes({ .foregroundColor = m_textColor }, NSMakeRange(0, text->length()));
        m_attributedText = text;
    }
}

void UILabel::setNumberOfLines(NSInteger lines)
{
    m_numberOfLines = std::max<NSInteger>(0, lines);
    textChanged();
}

void UILabel::setTextAlignment(NSInteger alignment)
{
    // The platform's justified and natural alignments read as left here.
    bool known = alignment == NSTextAlignmentCenter || alignment == NSTextAlignmentRight;
    m_textAlignment = known ? static_cast<NSTextAlignment>(alignment) : NSTextAlignmentLeft;
}

void UILabel::setAdjustsFontSizeToFitWidth(bool adjusts)
{
    m_adjustsFontSizeToFitWidth = adjusts;
    textChanged();
}

void UILabel::setMinimumScaleFactor(CGFloat factor)
{
    m_minimumScaleFactor = std::clamp(factor, 0.0, 1.0);
    textChanged();
}

void UILabel::textChanged()
{
    m_scaleCache.reset();
    setNeedsLayout();
}

std::shared_ptr<NSAttributedString> UILabel::displayedText() const
{
    auto result = NSMutableAttributedString::create();
    if (!m_attributedText)
        return result;
    for (auto& run : m_attributedText->runs()) {
        NSTextAttributes attributes = run.attributes;
        if (!attributes.font)
            attributes.font = m_font;
        if (!attributes.foregroundColor)
            attributes.foregroundColor = m_textColor;
        result->appendAttributedString(NSAttributedString(run.text, std::move(attributes)));
    }
    return result;
}

bool UILabel::fitsOneLine(const TextLayout& unwrapped) const
{
    return unwrapped.lines.empty() || unwrapped.lines.front().width <= widestLine();
}

CGFloat UILabel::widestLine() const
{
    return bounds().size.width + widthTolerance;
}

bool UILabel::fits(const NSAttributedString& text, CGFloat scale, size_t paragraphs) const
{
    auto& metrics = TextMetrics::current();
    if (m_numberOfLines == 1)
        return fitsOneLine(metrics.layout(text, scale, 0));
    auto layout = metrics.layout(text, scale, bounds().size.width);
    size_t count = visibleLineCount(layout);
    for (size_t i = 0; i < count; ++i) {
        if (layout.lines[i].width > widestLine())
            return false;
    }
    return m_numberOfLines == 0 || count <= std::max<size_t>(m_numberOfLines, paragraphs);
}

CGFloat UILabel::computeFontScale() const
{
    auto text = displayedText();
    auto& metrics = TextMetrics::current();
    // Line feeds make lines that no shrinking removes.
    auto unwrapped = metrics.layout(*text, 1, 0);
    size_t paragraphs = visibleLineCount(unwrapped);
    // A single line at full size is the layout just made: laying it out again would cost as much.
    if (m_numberOfLines == 1 ? fitsOneLine(unwrapped) : fits(*text, 1, paragraphs))
        return 1;
    CGFloat low = m_minimumScaleFactor > 0 ? m_minimumScaleFactor : defaultMinimumScaleFactor;
    std::optional<ProportionalWidth> estimate;
    if (m_numberOfLines == 1) {
        auto smallest = metrics.layout(*text, low, 0);
        if (!fitsOneLine(smallest))
            return low;
        if (!smallest.lines.empty())
            estimate = ProportionalWidth(unwrapped.lines.front().width, low, smallest.lines.front().width,
                text->length());
    } else if (!fits(*text, low, paragraphs)) {
        return low;
    }
    CGFloat high = 1;
    for (int step = 0; step < searchSteps; ++step) {
        CGFloat middle = (low + high) / 2;
        auto certain = estimate ? estimate->fits(middle, widestLine()) : std::nullopt;
        bool fitting = certain ? *certain : fits(*text, middle, paragraphs);
        (fitting ? low : high) = middle;
    }
    return low;
}

CGFloat UILabel::fontScale() const
{
    CGFloat width = bounds().size.width;
    if (!m_adjustsFontSizeToFitWidth || !m_attributedText || !m_attributedText->length() || width <= 0)
        return 1;
    unsigned generation = TextMetrics::generation();
    if (!m_scaleCache || m_scaleCache->width != width || m_scaleCache->metricsGeneration != generation)
        m_scaleCache = ScaleCache { computeFontScale(), width, generation };
    return m_scaleCache->scale;
}

std::shared_ptr<UIFont> UILabel::effectiveFont() const
{
    CGFloat scale = fontScale();
    return scale == 1 ? m_font : m_font->fontWithSize(m_font->pointSize() * scale);
}

void UILabel::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["text"] = text();
    entry["font"] = ViewDump::font(m_font);
    entry["textColor"] = ViewDump::color(m_textColor);
    entry["textAlignment"] = m_textAlignment;
    entry["numberOfLines"] = m_numberOfLines;
    entry["adjustsFontSizeToFitWidth"] = m_adjustsFontSizeToFitWidth;
    if (m_minimumScaleFactor > 0)
        entry["minimumScaleFactor"] = ViewDump::number(m_minimumScaleFactor);
    if (m_adjustsFontSizeToFitWidth)
        entry["fontScale"] = ViewDump::number(fontScale());
    if (m_isAttributed)
        entry["runs"] = ViewDump::attributedString(*displayedText());
}
