#include "render/LabelPainter.h"

#include "render/AttributedLayout.h"
#include "render/FontBook.h"
#include "render/ImageCache.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UILabel.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <vector>

namespace render {

namespace {

// Text within this much of the label's width or height still counts as fitting.
constexpr CGFloat fitTolerance = 0.5;

struct LineBox {
    PangoLayoutLine* line;
    PangoRectangle logical;
    int baseline;
};

std::vector<LineBox> lineBoxes(PangoLayout* layout)
{
    std::vector<LineBox> boxes;
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        LineBox box { pango_layout_iter_get_line_readonly(iter), {}, pango_layout_iter_get_baseline(iter) };
        pango_layout_iter_get_line_extents(iter, nullptr, &box.logical);
        boxes.push_back(box);
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return boxes;
}

CGFloat points(int pangoUnits)
{
    return static_cast<CGFloat>(pangoUnits) / PANGO_SCALE;
}

PangoEllipsizeMode ellipsisFor(NSLineBreakMode mode)
{
    switch (mode) {
    case NSLineBreakByTruncatingHead:
        return PANGO_ELLIPSIZE_START;
    case NSLineBreakByTruncatingMiddle:
        return PANGO_ELLIPSIZE_MIDDLE;
    case NSLineBreakByTruncatingTail:
        return PANGO_ELLIPSIZE_END;
    default:
        return PANGO_ELLIPSIZE_NONE;
    }
}

} // namespace

LabelPainter::LabelPainter(ImageCache& images)
    : m_images(images)
    , m_context(FontBook::shared().createContext())
{
    pango_cairo_context_set_shape_renderer(m_context, &LabelPainter::drawAttachment, this, nullptr);
}

LabelPainter::~LabelPainter()
{
    g_object_unref(m_context);
}

void LabelPainter::drawAttachment(cairo_t* cr, PangoAttrShape* shape, gboolean doPath, gpointer painter)
{
    if (doPath || !cairo_has_current_point(cr))
        return;
    double x, y;
    cairo_get_current_point(cr, &x, &y);
    auto* attachment = static_cast<const NSTextAttachment*>(shape->data);
    const PangoRectangle& box = shape->logical_rect;
    CGRect rect = CGRectMake(x + points(box.x), y + points(box.y), points(box.width), points(box.height));
    static_cast<LabelPainter*>(painter)->m_images.draw(cr, attachment->image(), rect);
}

void LabelPainter::paint(cairo_t* cr, const UILabel& label)
{
    auto text = label.displayedText();
    if (!text->length())
        return;
    CGSize size = label.bounds().size;
    bool singleLine = label.numberOfLines() == 1;
    PangoLayout* layout
        = AttributedLayout::create(m_context, *text, label.fontScale(), singleLine ? 0 : size.width);
    std::vector<LineBox> boxes = lineBoxes(layout);

    // The empty line a final line feed leaves shows nothing and takes no room.
    size_t visible = boxes.size();
    while (visible > 1 && boxes[visible - 1].logical.width == 0)
        --visible;
    size_t shown = visible;
    if (label.numberOfLines() > 0)
        shown = std::min(shown, static_cast<size_t>(label.numberOfLines()));
    CGFloat height = 0;
    for (size_t i = 0; i < shown; ++i) {
        height += points(boxes[i].logical.height);
        if (i > 0 && height > size.height + fitTolerance) {
            shown = i;
            break;
        }
    }
    bool tooWide = std::any_of(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(shown),
        [&](const LineBox& box) { return points(box.logical.width) > size.width + fitTolerance; });
    bool cut = shown < visible || tooWide;
    PangoEllipsizeMode ellipsis = ellipsisFor(label.lineBreakMode());
    if (cut && ellipsis != PANGO_ELLIPSIZE_NONE) {
        // Pango ellipsizes the last line that fits a positive height.
        int keptHeight = 0;
        for (size_t i = 0; i < shown; ++i)
            keptHeight += boxes[i].logical.height;
        pango_layout_set_width(layout, static_cast<int>(size.width * PANGO_SCALE));
        pango_layout_set_ellipsize(layout, ellipsis);
        pango_layout_set_height(layout, keptHeight);
        boxes = lineBoxes(layout);
        shown = std::min(shown, boxes.size());
    }

    cairo_save(cr);
    if (cut && ellipsis == PANGO_ELLIPSIZE_NONE) {
        cairo_rectangle(cr, 0, 0, size.width, size.height);
        cairo_clip(cr);
    }
    int blockTop = boxes.front().logical.y;
    int blockHeight = boxes[shown - 1].logical.y + boxes[shown - 1].logical.height - blockTop;
    CGFloat top = (size.height - points(blockHeight)) / 2;
    for (size_t i = 0; i < shown; ++i) {
        const LineBox& box = boxes[i];
        CGFloat free = size.width - points(box.logical.width);
        CGFloat left = label.textAlignment() == NSTextAlignmentCenter ? free / 2
            : label.textAlignment() == NSTextAlignmentRight           ? free
                                                                      : 0;
        cairo_move_to(cr, left - points(box.logical.x), top + points(box.baseline - blockTop));
        pango_cairo_show_layout_line(cr, box.line);
    }
    cairo_restore(cr);
    g_object_unref(layout);
}

} // namespace render
