#pragma once

#include "CColor.hpp"
#include "CFont.hpp"
#include "CPoint.hpp"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoFontMap PangoFontMap;
typedef struct _PangoLayout PangoLayout;

// Text for the Cairo device: one Pango context on a font map of its own, with fixed font
// options (grey antialiasing, no hinting) so that text looks and measures the same on
// every surface. Measuring and drawing lay text out the same way.
class CPangoText {
public:
    CPangoText(char const * defaultFace, double dpi);
    ~CPangoText();
    CPangoText(CPangoText const &) = delete;
    CPangoText & operator=(CPangoText const &) = delete;

    // The extent of one line; measured once per font and text, then remembered, since pages
    // measure the same labels on every layout pass and shaping a line is costly.
    CSize Measure(CFont const & font, std::string_view text) const;
    LONG ExternalLeading(CFont const & font) const;
    // Draws one line with its logical box's top-left at a point, within cr's clip.
    void Draw(cairo_t * cr, CFont const & font, CColor color, CPoint at,
              std::string_view text) const;

    bool HasFamily(char const * face) const;
    char const * GetDefaultFace() const { return m_defaultFace.c_str(); }

private:
    // A new layout of one line of text in a font; the caller releases it.
    PangoLayout * MakeLayout(CFont const & font, std::string_view text) const;

    std::string m_defaultFace;
    double m_dpi;
    PangoFontMap * m_fontMap;
    PangoContext * m_context;
    std::vector<std::string> m_families;
    // Extents by font and text; emptied when it grows past a bound, so that a stream of
    // ever new texts cannot make it grow without end.
    static constexpr std::size_t measuredMost = 1 << 16;
    mutable std::unordered_map<std::string, CSize> m_measured;
};
