#pragma once

#include "CString.hpp"
#include "haldenwin_export.h"

// A font: a face, a size in points and style flags. Devices measure and draw text in it.
class HALDENWIN_EXPORT CFont {
public:
    static constexpr UINT fontBold = 1;
    static constexpr UINT fontItalic = 2;
    static constexpr UINT fontUnderline = 4;

    CFont() = default;
    CFont(char const * face, int points, UINT flags = 0)
        : m_face(face), m_points(points), m_flags(flags) {}

    CString const & GetFace() const { return m_face; }
    int GetPoints() const { return m_points; }
    UINT GetFlags() const { return m_flags; }

private:
    CString m_face = "Sans";
    int m_points = 9;
    UINT m_flags = 0;
};
