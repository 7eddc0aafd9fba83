#pragma once

#include <cairo.h>
#include <pango/pango.h>

class UILabel;

namespace render {

class ImageCache;

// Draws a label's text as the platform lays it out: lines wrapped to the width (unless the label
// has one line), as many as it may have and as fit its height (always at least one), the block
// centred vertically, each line aligned left, centred or right. Text cut short ends in an
// ellipsis where the line-break mode truncates (at the head, middle or tail); in the other modes
// a line too wide is clipped at the label's edges.
class LabelPainter {
public:
    explicit LabelPainter(ImageCache&);
    ~LabelPainter();
    LabelPainter(const LabelPainter&) = delete;
    LabelPainter& operator=(const LabelPainter&) = delete;

    void paint(cairo_t*, const UILabel&);

private:
    static void drawAttachment(cairo_t*, PangoAttrShape*, gboolean doPath, gpointer painter);

    ImageCache& m_images;
    PangoContext* m_context;
};

} // namespace render
