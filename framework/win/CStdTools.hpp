#pragma once

#include "CBrush.hpp"
#include "CColor.hpp"
#include "CFont.hpp"

#include <vector>

// The shared standard tools: the fonts, colours and brushes that every window and element
// uses, so that one place decides how the program looks.
class HALDENWIN_EXPORT CStdTools {
public:
    // The roles of the standard colours. Each has a solid brush of its colour as well.
    enum Role {
        colorWindow,        // background of editable and list areas (white)
        colorFace,          // background of dialogs, pages and button faces (light grey)
        colorText,          // text on either background (black)
        colorGrayText,      // text of disabled controls and entries (dark grey)
        colorHighlight,     // background of selected items (blue)
        colorHighlightText, // text of selected items (white)
        color3DHighlight,   // brightest line of 3-D edges, lit side (white)
        color3DLight,       // second line of 3-D edges, lit side (pale grey)
        color3DShadow,      // second line of 3-D edges, shaded side (mid grey)
        color3DDarkShadow,  // darkest line of 3-D edges, shaded side (dark grey)
        colorInfoBk,        // background of tool tips and balloons (light yellow)
        colorInfoText,      // text of tool tips and balloons (black)
        roleCount
    };

    static CStdTools * FindInstance();

    // The font of texts on pages and in dialogs.
    CFont const & GetStdFont() const { return m_stdFont; }
    // The font of controls' own texts.
    CFont const & GetCtrlFont() const { return m_ctrlFont; }
    CFont const & GetBoldFont() const { return m_boldFont; }

    CColor GetColor(Role role) const { return m_colors[role]; }
    // A solid brush of a role's colour.
    CBrush const & GetBrush(Role role) const { return m_brushes[role]; }
    // The brush of focus frames drawn around controls: text colour and face colour in a
    // one-pixel checkerboard (pattern 128). Framing with the face brush removes it.
    CBrush const & GetFocusBrush() const { return m_focusBrush; }

private:
    CStdTools();

    CFont m_stdFont;
    CFont m_ctrlFont;
    CFont m_boldFont;
    std::vector<CColor> m_colors;
    std::vector<CBrush> m_brushes;
    CBrush m_focusBrush;
};
