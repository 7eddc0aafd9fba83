#pragma once

#include "uikit/CGGeometry.h"

#include <pango/pango.h>

#include <string>

namespace render {

// The fonts every picture and every measurement uses. Fontconfig sees only the Inter faces
// (and DejaVu Sans for symbols Inter lacks), so text looks the same whatever else the machine has.
//
// The platform's font names map by their style suffix:
//   "HelveticaNeue-Thin"                              Inter Thin (100)
//   "HelveticaNeue-UltraLight"                        Inter Extra Light (200)
//   "HelveticaNeue-Light"                             Inter Light (300)
//   "HelveticaNeue", the system font, any other       Inter Regular (400)
//   "HelveticaNeue-Medium"                            Inter Medium (500)
//   "...-Semibold", "...-Bold", the bold system font  Inter Bold (700)
class FontBook {
public:
    static FontBook& shared();

    // A description sized in points: callers draw in a space of one unit per point.
    PangoFontDescription* createDescription(const std::string& fontName, CGFloat pointSize) const;
    // A context with hint metrics and glyph position rounding off, so widths scale linearly with size.
    PangoContext* createContext() const;

    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

private:
    FontBook();
    static PangoWeight weightForName(const std::string& fontName);

    PangoFontMap* m_fontMap { nullptr };
};

} // namespace render
