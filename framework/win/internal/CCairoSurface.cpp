#include "internal/CCairoSurface.hpp"

#include "internal/CPangoText.hpp"

#include <cairo.h>

#include <vector>

namespace {

std::uint32_t Packed(CColor color) {
    return 0xFF000000u | color.ToRgb();
}

} // namespace

CCairoSurface::CCairoSurface(CPangoText const & text, CSize size)
    : m_text(text), m_size(std::max<LONG>(size.cx, 0), std::max<LONG>(size.cy, 0)),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_size.cx, m_size.cy)) {
    FillRect(GetBounds(), CBrush(CColor::white), GetBounds());
}

CCairoSurface::~CCairoSurface() {
    cairo_surface_destroy(m_surface);
}

std::uint32_t * CCairoSurface::Pixel(LONG x, LONG y) const {
    unsigned char * data = cairo_image_surface_get_data(m_surface);
    int const stride = cairo_image_surface_get_stride(m_surface);
    return reinterpret_cast<std::uint32_t *>(data + y * stride) + x;
}

void CCairoSurface::FillRect(CRect const & rect, CBrush const & brush, CRect const & clip) {
    CRect const area = rect.Intersect(clip).Intersect(GetBounds());
    if (area.IsEmpty())
        return;
    cairo_surface_flush(m_surface);
    bool const solid = brush.IsSolid();
    std::uint32_t const fill = Packed(brush.GetPixel(0, 0));
    for (LONG y = area.top; y < area.bottom; ++y) {
        std::uint32_t * row = Pixel(area.left, y);
        for (LONG x = area.left; x < area.right; ++x)
            *row++ = solid ? fill : Packed(brush.GetPixel(x, y));
    }
    cairo_surface_mark_dirty(m_surface);
}

void CCairoSurface::DrawText(CFont const & font, CColor color, CPoint at, std::string_view text,
                             CRect const & clip) {
    CRect const area = clip.Intersect(GetBounds());
    if (area.IsEmpty() || text.empty())
        return;
    cairo_t * cr = cairo_create(m_surface);
    cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
    cairo_clip(cr);
    m_text.Draw(cr, font, color, at, text);
    cairo_destroy(cr);
}

void CCairoSurface::Copy(CPoint to, CSurface const & source, CRect const & from,
                         CRect const & clip) {
    // Source pixels that exist, placed where they land, within the clip and this surface.
    CRect const readable = from.Intersect(source.GetBounds());
    CSize const shift = to - from.TopLeft();
    CRect const area = (readable + shift).Intersect(clip).Intersect(GetBounds());
    if (area.IsEmpty())
        return;
    // Read everything first: the source may be this surface.
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(area.Width()) * area.Height());
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            pixels.push_back(Packed(source.GetPixel(x - shift.cx, y - shift.cy)));
    cairo_surface_flush(m_surface);
    auto next = pixels.begin();
    for (LONG y = area.top; y < area.bottom; ++y) {
        std::uint32_t * row = Pixel(area.left, y);
        for (LONG x = area.left; x < area.right; ++x)
            *row++ = *next++;
    }
    cairo_surface_mark_dirty(m_surface);
}

CColor CCairoSurface::GetPixel(LONG x, LONG y) const {
    if (!GetBounds().Encloses(CPoint(x, y)))
        return CColor::white;
    cairo_surface_flush(m_surface);
    return CColor::FromRgb(*Pixel(x, y) & 0xFFFFFF);
}

BOOL CCairoSurface::WritePng(char const * path) const {
    if (!path || m_size.cx == 0 || m_size.cy == 0)
        return FALSE;
    cairo_surface_flush(m_surface);
    return cairo_surface_write_to_png(m_surface, path) == CAIRO_STATUS_SUCCESS ? TRUE : FALSE;
}

void const * CCairoSurface::GetBits(LONG & stride) const {
    // Text drawn through Cairo reaches the memory only once the surface is flushed.
    cairo_surface_flush(m_surface);
    stride = cairo_image_surface_get_stride(m_surface);
    return cairo_image_surface_get_data(m_surface);
}
