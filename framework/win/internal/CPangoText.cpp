#include "internal/CPangoText.hpp"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

constexpr char const * genericFamilies[] = {"Sans", "Sans-Serif", "Serif", "Monospace"};

} // namespace

CPangoText::CPangoText(char const * defaultFace, double dpi)
    : m_defaultFace(defaultFace && *defaultFace ? defaultFace : "Sans"),
      m_dpi(dpi > 0 ? dpi : 96.0), m_fontMap(pango_cairo_font_map_new()),
      m_context(pango_font_map_create_context(m_fontMap)) {
    cairo_font_options_t * options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(m_context, options);
    cairo_font_options_destroy(options);

    PangoFontFamily ** families = nullptr;
    int count = 0;
    pango_font_map_list_families(m_fontMap, &families, &count);
    for (int i = 0; i < count; ++i)
        m_families.emplace_back(pango_font_family_get_name(families[i]));
    g_free(families);
}

CPangoText::~CPangoText() {
    g_object_unref(m_context);
    g_object_unref(m_fontMap);
}

bool CPangoText::HasFamily(char const * face) const {
    if (!face || !*face)
        return false;
    for (char const * generic : genericFamilies)
        if (SameName(face, generic))
            return true;
    return std::any_of(m_families.begin(), m_families.end(),
                       [face](std::string const & family) { return SameName(face, family); });
}

PangoLayout * CPangoText::MakeLayout(CFont const & font, std::string_view text) const {
    PangoFontDescription * description = pango_font_description_new();
    pango_font_description_set_family(description, font.GetFace());
    pango_font_description_set_absolute_size(description,
                                             font.GetPoints() * m_dpi / 72.0 * PANGO_SCALE);
    pango_font_description_set_weight(
        description, (font.GetFlags() & CFont::fontBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description, (font.GetFlags() & CFont::fontItalic)
                                                      ? PANGO_STYLE_ITALIC
                                                      : PANGO_STYLE_NORMAL);

    PangoLayout * layout = pango_layout_new(m_context);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    if (font.GetFlags() & CFont::fontUnderline) {
        PangoAttrList * attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        pango_layout_set_attributes(layout, attributes);
        pango_attr_list_unref(attributes);
    }
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    return layout;
}

CSize CPangoText::Measure(CFont const & font, std::string_view text) const {
    std::string key = std::to_string(font.GetPoints()) + ' ' + std::to_string(font.GetFlags()) +
                      ' ' + font.GetFace().Str();
    key.push_back('\0');
    key.append(text);
    if (auto const found = m_measured.find(key); found != m_measured.end())
        return found->second;
    PangoLayout * layout = MakeLayout(font, text);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    CSize const size{PANGO_PIXELS_CEIL(logical.width), PANGO_PIXELS_CEIL(logical.height)};
    if (m_measured.size() >= measuredMost)
        m_measured.clear();
    m_measured.emplace(std::move(key), size);
    return size;
}

LONG CPangoText::ExternalLeading(CFont const & font) const {
    PangoLayout * layout = MakeLayout(font, "");
    PangoFontMetrics * metrics =
        pango_context_get_metrics(m_context, pango_layout_get_font_description(layout), nullptr);
    int const extra =
        pango_font_metrics_get_height(metrics) -
        (pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    g_object_unref(layout);
    return std::max(0, PANGO_PIXELS(extra));
}

void CPangoText::Draw(cairo_t * cr, CFont const & font, CColor color, CPoint at,
                      std::string_view text) const {
    PangoLayout * layout = MakeLayout(font, text);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    cairo_set_source_rgb(cr, color.r / 255.0, color.g / 255.0, color.b / 255.0);
    cairo_move_to(cr, at.x - logical.x / double(PANGO_SCALE),
                  at.y - logical.y / double(PANGO_SCALE));
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}
