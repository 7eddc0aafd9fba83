#include "render/AttributedLayout.h"

#include "render/FontBook.h"
#include "uikit/NSAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"

#include <cmath>
#include <string>

namespace render {

namespace {

constexpr CGFloat defaultFontSize = 17;

guint16 colorChannel(CGFloat value)
{
    return static_cast<guint16>(std::lround(value * 65535));
}

int pangoUnits(CGFloat points)
{
    return static_cast<int>(std::lround(points * PANGO_SCALE));
}

void addAttribute(PangoAttrList* list, PangoAttribute* attribute, size_t start, size_t end)
{
    attribute->start_index = static_cast<guint>(start);
    attribute->end_index = static_cast<guint>(end);
    pango_attr_list_insert(list, attribute);
}

} // namespace

PangoLayout* AttributedLayout::create(
    PangoContext* context, const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth)
{
    std::string characters;
    PangoAttrList* attributes = pango_attr_list_new();
    for (const NSAttributedRun& run : text.runs()) {
        size_t start = characters.size();
        characters += run.text;
        size_t end = characters.size();
        const NSTextAttributes& style = run.attributes;

        if (const auto& attachment = style.attachment) {
            CGSize size = attachment->displaySize();
            CGFloat raise = attachment->bounds().origin.y;
            PangoRectangle box { 0, pangoUnits(-(size.height + raise)), pangoUnits(size.width),
                pangoUnits(size.height) };
            addAttribute(attributes,
                pango_attr_shape_new_with_data(&box, &box, attachment.get(), nullptr, nullptr), start, end);
            continue;
        }
        std::string fontName = style.font ? style.font->fontName() : UIFont::systemFontName;
        CGFloat fontSize = (style.font ? style.font->pointSize() : defaultFontSize) * fontScale;
        PangoFontDescription* description = FontBook::shared().createDescription(fontName, fontSize);
        addAttribute(attributes, pango_attr_font_desc_new(description), start, end);
        pango_font_description_free(description);
        if (const auto& color = style.foregroundColor) {
            addAttribute(attributes,
                pango_attr_foreground_new(
                    colorChannel(color->red()), colorChannel(color->green()), colorChannel(color->blue())),
                start, end);
            addAttribute(
                attributes, pango_attr_foreground_alpha_new(colorChannel(color->alpha())), start, end);
        }
    }

    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_text(layout, characters.data(), static_cast<int>(characters.size()));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    if (wrapWidth > 0) {
        pango_layout_set_width(layout, pangoUnits(wrapWidth));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    return layout;
}

} // namespace render
