#pragma once

#include "uikit/CGGeometry.h"

#include <pango/pango.h>

class NSAttributedString;

namespace render {

// Turns attributed text into a pango layout, in points. Measuring and drawing both start here,
// so a label shrinks by exactly the widths it is drawn with.
class AttributedLayout {
public:
    // Every font is scaled by `fontScale`; runs without a font take the system font at 17, runs
    // without a colour black. Attachments become blank shapes of their display size, raised by
    // their bounds' y, whose shape data is the NSTextAttachment. With `wrapWidth` above zero,
    // lines break between words, or within a word that is wider than the line on its own.
    // The caller unrefs the layout.
    static PangoLayout* create(
        PangoContext*, const NSAttributedString&, CGFloat fontScale, CGFloat wrapWidth);
};

} // namespace render
