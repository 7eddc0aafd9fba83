#pragma once

#include "uikit/NSAttributedString.h"
#include "uikit/TextMetrics.h"
#include "uikit/UIView.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class UIFont;

enum NSTextAlignment : NSInteger {
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
};

enum NSLineBreakMode : NSInteger {
    NSLineBreakByWordWrapping = 0,
    NSLineBreakByCharWrapping,
    NSLineBreakByClipping,
    NSLineBreakByTruncatingHead,
    NSLineBreakByTruncatingTail,
    NSLineBreakByTruncatingMiddle,
};

// Text in a rectangle. Text and attributed text are one: setting either replaces the other, and
// setting the font or the colour applies it to the whole text, as on the platform. Lines wrap
// between words up to numberOfLines (0: no limit); the text sits centred vertically.
//
// Shrinking to fit: with adjustsFontSizeToFitWidth, every font of the text is scaled down by one
// factor (fontScale), as little as needed, until each line fits the width and, for a label of
// several lines, the text needs no more lines than it may have (or than its own line feeds
// make). The height is not considered. The factor stops at minimumScaleFactor when that is set,
// else at defaultMinimumScaleFactor. Attachments keep their size. Measuring goes through
// TextMetrics, so the label shrinks by the same widths the renderer draws with.
class UILabel : public UIView {
    OBJC_CLASS(UILabel, UIView)
public:
    static constexpr CGFloat defaultMinimumScaleFactor = 0.5;

    explicit UILabel(CGRect frame = CGRectZero);
    static std::shared_ptr<UILabel> create(CGRect frame = CGRectZero)
    {
        return std::make_shared<UILabel>(frame);
    }

    std::string text() const;
    void setText(std::string_view text);
    // Nothing when the label has no text.
    const std::shared_ptr<NSAttributedString>& attributedText() const { return m_attributedText; }
    void setAttributedText(const std::shared_ptr<NSAttributedString>& text);

    const std::shared_ptr<UIFont>& font() const { return m_font; }
    void setFont(std::shared_ptr<UIFont> font);
    const std::shared_ptr<UIColor>& textColor() const { return m_textColor; }
    void setTextColor(std::shared_ptr<UIColor> color);
    NSInteger numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(NSInteger lines);
    NSTextAlignment textAlignment() const { return m_textAlignment; }
    void setTextAlignment(NSInteger alignment);
    // Lines always break between words; the mode says how the last line shown is cut.
    NSLineBreakMode lineBreakMode() const { return m_lineBreakMode; } // not implemented: character wrapping
    void setLineBreakMode(NSLineBreakMode mode) { m_lineBreakMode = mode; }
    bool adjustsFontSizeToFitWidth() const { return m_adjustsFontSizeToFitWidth; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    CGFloat minimumScaleFactor() const { return m_minimumScaleFactor; }
    void setMinimumScaleFactor(CGFloat factor);

    // What is drawn: the text, with the label's font and colour where a run has none.
    std::shared_ptr<NSAttributedString> displayedText() const;
    // The factor every font of the text is drawn at (1 unless shrunk).
    CGFloat fontScale() const;
    // The label's font at the size it is drawn with.
    std::shared_ptr<UIFont> effectiveFont() const;

    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    void textChanged();
    bool fits(const NSAttributedString& text, CGFloat scale, size_t paragraphs) const;
    bool fitsOneLine(const TextLayout& unwrapped) const;
    // How wide a line may be and still fit, allowing for rounding.
    CGFloat widestLine() const;
    CGFloat computeFontScale() const;

    std::shared_ptr<NSAttributedString> m_attributedText;
    bool m_isAttributed { false };
    std::shared_ptr<UIFont> m_font;
    std::shared_ptr<UIColor> m_textColor;
    NSInteger m_numberOfLines { 1 };
    NSTextAlignment m_textAlignment { NSTextAlignmentLeft };
    NSLineBreakMode m_lineBreakMode { NSLineBreakByTruncatingTail };
    bool m_adjustsFontSizeToFitWidth { false };
    CGFloat m_minimumScaleFactor { 0 };

    struct ScaleCache {
        CGFloat scale;
        CGFloat width;
        unsigned metricsGeneration;
    };
    mutable std::optional<ScaleCache> m_scaleCache;
};
