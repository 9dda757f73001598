#include "CFont.hpp"

#include "CDC.hpp"

BOOL CFont::Create(CDC & dc, char const * face, int points, UINT flags) {
    if (!face || !*face || points < 1)
        return FALSE;
    CDevice const & device = dc.GetDevice();
    m_face = device.HasFontFace(face) ? face : device.GetDefaultFace();
    m_points = points;
    m_flags = flags & (fontBold | fontItalic | fontUnderline);
    return TRUE;
}
