#include "CBitmap.hpp"

#include "CDC.hpp"
#include "CSurface.hpp"

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::LoadBitmap(CEntity const & entity) {
    DeleteObject();
    return CBitmapBits::Load(entity, m_bits) ? TRUE : FALSE;
}

BOOL CBitmap::Create(CDC & dc, int cx, int cy) {
    DeleteObject();
    if (cx < 1 || cy < 1)
        return FALSE;
    m_surface = dc.GetDevice().CreateSurface({cx, cy});
    return m_surface ? TRUE : FALSE;
}

void CBitmap::DeleteObject() {
    m_bits.Empty();
    m_surface.reset();
}

CSize CBitmap::GetSize() const {
    if (m_surface)
        return m_surface->GetSize();
    return {m_bits.GetWidth(), m_bits.GetHeight()};
}
