#include "render/FontBook.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <array>
#include <filesystem>
#include <stdexcept>

namespace render {

namespace {

constexpr std::array fontFiles {
    "/usr/share/fonts/opentype/inter/Inter-Thin.otf",
    "/usr/share/fonts/opentype/inter/Inter-ExtraLight.otf",
    "/usr/share/fonts/opentype/inter/Inter-Light.otf",
    "/usr/share/fonts/opentype/inter/Inter-Regular.otf",
    "/usr/share/fonts/opentype/inter/Inter-Medium.otf",
    "/usr/share/fonts/opentype/inter/Inter-Bold.otf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

struct StyleWeight {
    const char* style;
    PangoWeight weight;
};

// Checked in order, so that "UltraLight" is not read as "Light".
constexpr std::array styleWeights {
    StyleWeight { "UltraLight", PANGO_WEIGHT_ULTRALIGHT },
    StyleWeight { "Semibold", PANGO_WEIGHT_BOLD },
    StyleWeight { "Medium", PANGO_WEIGHT_MEDIUM },
    StyleWeight { "Light", PANGO_WEIGHT_LIGHT },
    StyleWeight { "Thin", PANGO_WEIGHT_THIN },
    StyleWeight { "Bold", PANGO_WEIGHT_BOLD },
};

} // namespace

FontBook& FontBook::shared()
{
    static FontBook book;
    return book;
}

FontBook::FontBook()
{
    FcConfig* config = FcConfigCreate();
    for (const char* file : fontFiles) {
        if (!std::filesystem::exists(file)
            || !FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file))) {
            FcConfigDestroy(config);
            throw std::runtime_error(
                std::string("font file missing: ") + file + " (scripts/install-deps installs it)");
        }
    }
    m_fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(m_fontMap), config);
    FcConfigDestroy(config);
}

PangoWeight FontBook::weightForName(const std::string& fontName)
{
    auto dash = fontName.rfind('-');
    if (dash == std::string::npos)
        return PANGO_WEIGHT_NORMAL;
    std::string style = fontName.substr(dash + 1);
    for (const auto& entry : styleWeights) {
        if (style.find(entry.style) != std::string::npos)
            return entry.weight;
    }
    return PANGO_WEIGHT_NORMAL;
}

PangoFontDescription* FontBook::createDescription(const std::string& fontName, CGFloat pointSize) const
{
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family_static(description, "Inter");
    pango_font_description_set_weight(description, weightForName(fontName));
    pango_font_description_set_absolute_size(description, pointSize * PANGO_SCALE);
    return description;
}

PangoContext* FontBook::createContext() const
{
    PangoContext* context = pango_font_map_create_context(m_fontMap);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context, FALSE);
    return context;
}

} // namespace render
