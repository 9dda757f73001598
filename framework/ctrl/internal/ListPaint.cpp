#include "internal/ListPaint.hpp"

#include "CDC.hpp"
#include "CStdTools.hpp"

#include <algorithm>

namespace ListPaint {

namespace {

// The room between a row's left side and its text.
constexpr LONG textGap = 2;

CStdTools const & Tools() {
    return *CStdTools::FindInstance();
}

void FillTriangle(CDC & dc, LONG left, LONG top, LONG width, bool up, CBrush const & brush) {
    LONG const rows = (width + 1) / 2;
    for (LONG row = 0; row < rows; ++row) {
        LONG const inset = up ? rows - 1 - row : row;
        dc.FillRect(CRect(left + inset, top + row, left + width - inset, top + row + 1), brush);
    }
}

} // namespace

void DrawArrow(CDC & dc, CRect const & box, bool up, bool enabled) {
    LONG const width = std::max<LONG>(3, std::min<LONG>(7, box.Width() - 6) | 1);
    LONG const height = (width + 1) / 2;
    LONG const left = box.left + (box.Width() - width) / 2;
    LONG const top = box.top + (box.Height() - height) / 2;
    if (enabled) {
        FillTriangle(dc, left, top, width, up, Tools().GetBrush(CStdTools::colorText));
        return;
    }
    FillTriangle(dc, left + 1, top + 1, width, up, Tools().GetBrush(CStdTools::color3DHighlight));
    FillTriangle(dc, left, top, width, up, Tools().GetBrush(CStdTools::color3DShadow));
}

void DrawButtonFace(CDC & dc, CRect const & rect, bool pressed) {
    CRect face = rect;
    if (pressed) {
        dc.FrameRect(face, Tools().GetBrush(CStdTools::color3DShadow));
        dc.FillRect(face - 1, Tools().GetBrush(CStdTools::colorFace));
        return;
    }
    dc.DrawEdge(face, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
}

void DrawEntry(CDC & dc, CRect const & row, char const * text, bool selected, bool enabled) {
    CStdTools::Role back = CStdTools::colorWindow;
    CStdTools::Role ink = enabled ? CStdTools::colorText : CStdTools::colorGrayText;
    if (selected) {
        back = enabled ? CStdTools::colorHighlight : CStdTools::color3DLight;
        ink = enabled ? CStdTools::colorHighlightText : CStdTools::colorGrayText;
    }
    dc.FillRect(row, Tools().GetBrush(back));
    if (!text || !*text)
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Tools().GetColor(ink));
    CRect box(row.left + textGap, row.top, row.right, row.bottom);
    dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

} // namespace ListPaint
