#include "render/PangoTextMetrics.h"

#include "render/AttributedLayout.h"
#include "render/FontBook.h"
#include "uikit/NSAttributedString.h"

#include <memory>

namespace render {

PangoTextMetrics::PangoTextMetrics()
    : m_context(FontBook::shared().createContext())
{ }

PangoTextMetrics::~PangoTextMetrics()
{
    g_object_unref(m_context);
}

void PangoTextMetrics::install()
{
    if (!dynamic_cast<const PangoTextMetrics*>(&TextMetrics::current()))
        TextMetrics::setCurrent(std::make_shared<PangoTextMetrics>());
}

TextLayout PangoTextMetrics::layout(
    const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth) const
{
    if (!text.length())
        return {};
    PangoLayout* layout = AttributedLayout::create(m_context, text, fontScale, wrapWidth);
    TextLayout result;
    for (GSList* line = pango_layout_get_lines_readonly(layout); line; line = line->next) {
        PangoRectangle logical;
        pango_layout_line_get_extents(static_cast<PangoLayoutLine*>(line->data), nullptr, &logical);
        result.lines.push_back({ static_cast<CGFloat>(logical.width) / PANGO_SCALE,
            static_cast<CGFloat>(logical.height) / PANGO_SCALE });
    }
    g_object_unref(layout);
    return result;
}

} // namespace render
