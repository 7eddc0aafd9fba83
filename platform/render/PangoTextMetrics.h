#pragma once

#include "uikit/TextMetrics.h"

#include <pango/pango.h>

namespace render {

// The toolkit's text measurement, answered by laying the text out with the fonts the
// renderer draws with.
class PangoTextMetrics final : public TextMetrics {
public:
    PangoTextMetrics();
    ~PangoTextMetrics() override;
    PangoTextMetrics(const PangoTextMetrics&) = delete;
    PangoTextMetrics& operator=(const PangoTextMetrics&) = delete;

    // Makes these metrics the toolkit's, unless they already are.
    static void install();

    TextLayout layout(const NSAttributedString& text, CGFloat fontScale, CGFloat wrapWidth) const override;

private:
    PangoContext* m_context;
};

} // namespace render
