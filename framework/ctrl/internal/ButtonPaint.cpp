#include "internal/ButtonPaint.hpp"

#include "ButtonMessages.hpp"
#include "CDC.hpp"
#include "CStdTools.hpp"
#include "WindowStyles.hpp"

#include <cmath>

namespace {

// The side of a check box's box and the diameter of a radio button's circle.
constexpr LONG markSize = 13;
// The room between the box or circle and the text.
constexpr LONG markGap = 4;

CStdTools const & Tools() {
    return *CStdTools::FindInstance();
}

CBrush const & BrushOf(CStdTools::Role role) {
    return Tools().GetBrush(role);
}

// A disc filled row by row, as the device context has no ellipse of its own.
void FillDisc(CDC & dc, CRect const & box, CBrush const & brush) {
    double const radius = box.Width() / 2.0;
    double const cx = box.left + radius;
    double const cy = box.top + radius;
    for (LONG y = box.top; y < box.bottom; ++y) {
        double const dy = y + 0.5 - cy;
        double const half = radius * radius - dy * dy;
        if (half <= 0)
            continue;
        LONG const width = static_cast<LONG>(std::lround(std::sqrt(half)));
        LONG const left = static_cast<LONG>(std::lround(cx)) - width;
        dc.FillRect(CRect(left, y, left + 2 * width, y + 1), brush);
    }
}

// A check mark: a short stroke down to the right and a long one up, three pixels thick.
void DrawCheckMark(CDC & dc, CRect const & box, CBrush const & brush) {
    LONG const x0 = box.left + 3;
    LONG const y0 = box.top + 5;
    for (LONG i = 0; i < 7; ++i) {
        LONG const y = i < 3 ? y0 + i : y0 + 4 - i;
        dc.FillRect(CRect(x0 + i, y, x0 + i + 1, y + 3), brush);
    }
}

// The box or circle on the side of the text that BS_LEFTTEXT does not take, centred
// vertically; `text` gets the rest of the client area.
CRect PlaceMark(ButtonLook const & look, CRect & text) {
    CRect const & client = look.client;
    LONG const top = client.top + (client.Height() - markSize) / 2;
    text = client;
    if (look.style & BS_LEFTTEXT) {
        text.right = client.right - markSize - markGap;
        return CRect(client.right - markSize, top, client.right, top + markSize);
    }
    text.left = client.left + markSize + markGap;
    return CRect(client.left, top, client.left + markSize, top + markSize);
}

void DrawLabel(CDC & dc, ButtonLook const & look, CRect rect, UINT flags) {
    if (!look.text || !*look.text)
        return;
    CRect measured = rect;
    dc.DrawText(look.text, measured, flags | DT_CALCRECT);
    dc.DrawText(look.text, rect, flags);
    if (look.focused) {
        // The focus frame goes round the text as it stands in the rectangle.
        LONG const width = std::min(measured.Width(), rect.Width());
        LONG left = rect.left;
        if (flags & DT_CENTER)
            left = rect.left + (rect.Width() - width) / 2;
        else if (flags & DT_RIGHT)
            left = rect.right - width;
        LONG const top = rect.top + (rect.Height() - measured.Height()) / 2;
        dc.DrawFocusRect(CRect(left, top, left + width, top + measured.Height()) + 1);
    }
}

void PaintPushButton(CDC & dc, ButtonLook const & look) {
    CRect rect = look.client;
    dc.FillRect(rect, BrushOf(CStdTools::colorFace));
    // The default button wears a dark frame round its edges.
    if ((look.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        dc.FrameRect(rect, BrushOf(CStdTools::color3DDarkShadow));
        rect = rect - 1;
    }
    if (look.pushed) {
        dc.FrameRect(rect, BrushOf(CStdTools::color3DShadow));
        rect = rect - 1;
    } else {
        dc.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
    }
    CRect text = rect;
    if (look.pushed)
        text = text + CSize(1, 1);
    CRect label = text - 2;
    UINT const flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    dc.DrawText(look.text, label, flags);
    if (look.focused)
        dc.DrawFocusRect(rect - 2);
}

void PaintCheckBox(CDC & dc, ButtonLook const & look) {
    dc.FillRect(look.client, BrushOf(CStdTools::colorFace));
    CRect text;
    CRect box = PlaceMark(look, text);
    // A pushed or disabled box shows the face colour inside instead of the window colour.
    CStdTools::Role const inside =
        look.pushed || !look.enabled ? CStdTools::colorFace : CStdTools::colorWindow;
    dc.FillRect(box, BrushOf(inside));
    CRect edge = box;
    dc.DrawEdge(edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (look.check == BST_CHECKED)
        DrawCheckMark(dc, box,
                      BrushOf(look.enabled ? CStdTools::colorText : CStdTools::colorGrayText));
    else if (look.check == BST_INDETERMINATE)
        DrawCheckMark(dc, box, BrushOf(CStdTools::color3DShadow));
    DrawLabel(dc, look, text,
              DT_VCENTER | DT_SINGLELINE | ((look.style & BS_LEFTTEXT) ? DT_RIGHT : DT_LEFT));
}

void PaintRadioButton(CDC & dc, ButtonLook const & look) {
    dc.FillRect(look.client, BrushOf(CStdTools::colorFace));
    CRect text;
    CRect const circle = PlaceMark(look, text);
    // Shaded ring, then the lit lower right, then the inside.
    FillDisc(dc, circle, BrushOf(CStdTools::color3DShadow));
    FillDisc(dc, circle + CSize(1, 1) - CRect(0, 0, 1, 1), BrushOf(CStdTools::color3DHighlight));
    CStdTools::Role const inside =
        look.pushed || !look.enabled ? CStdTools::colorFace : CStdTools::colorWindow;
    FillDisc(dc, circle - 2, BrushOf(inside));
    if (look.check == BST_CHECKED)
        FillDisc(dc, circle - 4,
                 BrushOf(look.enabled ? CStdTools::colorText : CStdTools::colorGrayText));
    DrawLabel(dc, look, text,
              DT_VCENTER | DT_SINGLELINE | ((look.style & BS_LEFTTEXT) ? DT_RIGHT : DT_LEFT));
}

void PaintGroupBox(CDC & dc, ButtonLook const & look) {
    LONG const lineHeight = dc.GetTextExtent("").cy;
    CRect frame = look.client;
    frame.top += lineHeight / 2;
    dc.DrawEdge(frame, EDGE_ETCHED, BF_RECT);
    if (!look.text || !*look.text)
        return;
    // The title interrupts the top line, on the face colour.
    CRect title(look.client.left + 8, look.client.top, look.client.right - 8,
                look.client.top + lineHeight);
    CRect measured = title;
    dc.DrawText(look.text, measured, DT_SINGLELINE | DT_CALCRECT);
    CRect behind(title.left, title.top, std::min(title.right, measured.right + 4), title.bottom);
    dc.FillRect(behind, BrushOf(CStdTools::colorFace));
    title.left += 2;
    dc.DrawText(look.text, title, DT_LEFT | DT_SINGLELINE);
}

} // namespace

void PaintButton(CDC & dc, ButtonLook const & look) {
    if (look.client.IsEmpty())
        return;
    if (look.font)
        dc.Select(*look.font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(
        Tools().GetColor(look.enabled ? CStdTools::colorText : CStdTools::colorGrayText));
    switch (look.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        PaintCheckBox(dc, look);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        PaintRadioButton(dc, look);
        break;
    case BS_GROUPBOX:
        PaintGroupBox(dc, look);
        break;
    default:
        PaintPushButton(dc, look);
        break;
    }
    if (look.font)
        dc.Deselect();
}
