#pragma once

#include "CString.hpp"
#include "haldenwin_export.h"

class CDC;

// A font: a face, a size in points and style flags. Devices measure and draw text in it.
class HALDENWIN_EXPORT CFont {
public:
    static constexpr UINT fontBold = 1;
    static constexpr UINT fontItalic = 2;
    static constexpr UINT fontUnderline = 4;

    CFont() = default;
    CFont(char const * face, int points, UINT flags = 0)
        : m_face(face), m_points(points), m_flags(flags) {}

    // Makes the font a face of a size in points with style flags for a device context's
    // device. A face the device lacks gives the device's default face; still TRUE. FALSE,
    // with the font unchanged, for no face or a size below 1.
    BOOL Create(CDC & dc, char const * face, int points, UINT flags = 0);

    CString const & GetFace() const { return m_face; }
    int GetPoints() const { return m_points; }
    UINT GetFlags() const { return m_flags; }

private:
    CString m_face = "Sans";
    int m_points = 9;
    UINT m_flags = 0;
};
