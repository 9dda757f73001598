#pragma once

#include "CSurface.hpp"

#include <cstdint>

typedef struct _cairo_surface cairo_surface_t;
class CPangoText;

// A surface of the Cairo device: an RGB image in memory. Fills and copies write the pixels
// directly, so that they are exact; text goes through Cairo and Pango.
class CCairoSurface : public CSurface {
public:
    CCairoSurface(CPangoText const & text, CSize size);
    ~CCairoSurface() override;
    CCairoSurface(CCairoSurface const &) = delete;
    CCairoSurface & operator=(CCairoSurface const &) = delete;

    CSize GetSize() const override { return m_size; }
    void FillRect(CRect const & rect, CBrush const & brush, CRect const & clip) override;
    void DrawText(CFont const & font, CColor color, CPoint at, std::string_view text,
                  CRect const & clip) override;
    void Copy(CPoint to, CSurface const & source, CRect const & from, CRect const & clip) override;
    CColor GetPixel(LONG x, LONG y) const override;
    BOOL WritePng(char const * path) const override;
    void const * GetBits(LONG & stride) const override;

private:
    std::uint32_t * Pixel(LONG x, LONG y) const;

    CPangoText const & m_text;
    CSize m_size;
    cairo_surface_t * m_surface;
};
