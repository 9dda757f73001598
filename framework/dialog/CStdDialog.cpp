#include "CStdDialog.hpp"

#include "AfxTrace.hpp"
#include "CDC.hpp"
#include "CDialogTemplate.hpp"
#include "CFormat.hpp"
#include "CMessageBox.hpp"
#include "CPrintf.hpp"
#include "CStdTools.hpp"
#include "CWndClass.hpp"
#include "internal/DialogControls.hpp"
#include "internal/DialogModule.hpp"

#include <algorithm>

AFX_IMPLEMENT_DYNCREATE(CStdDialog, CDialog)

namespace {

// Scales a number of units by a base, rounded to the nearest pixel.
LONG Scale(int units, LONG base, LONG divisor) {
    long long const product = static_cast<long long>(units) * base;
    long long const half = divisor / 2;
    return static_cast<LONG>(product >= 0 ? (product + half) / divisor
                                          : -((-product + half) / divisor));
}

// A font's dialog base units: its average character width (over the letters, rounded) and
// its line height.
CSize BaseUnits(CFont const & font) {
    CScreenDC dc;
    dc.Select(font);
    CSize const extent = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    dc.Deselect();
    return CSize((extent.cx / 26 + 1) / 2, extent.cy);
}

} // namespace

CStdDialog::CStdDialog() : m_name(nullptr, "") {}

void CStdDialog::SetName(CEntity const & name) {
    m_name = name;
}

CRect CStdDialog::MapDialogRect(CRect const & units) const {
    return CRect(Scale(units.left, m_baseUnits.cx, 4), Scale(units.top, m_baseUnits.cy, 8),
                 Scale(units.right, m_baseUnits.cx, 4), Scale(units.bottom, m_baseUnits.cy, 8));
}

CRect CStdDialog::MapPlace(int x, int y, int cx, int cy) const {
    return CRect(CPoint(Scale(x, m_baseUnits.cx, 4), Scale(y, m_baseUnits.cy, 8)),
                 CSize(Scale(cx, m_baseUnits.cx, 4), Scale(cy, m_baseUnits.cy, 8)));
}

CString CStdDialog::TemplateName() const {
    return m_name.IsNumeric() ? CString(CPrintf("%u", m_name.GetId())) : CString(m_name.GetName());
}

BOOL CStdDialog::Refuse(CWnd * owner, UINT message, char const * argument, char const * reason) {
    AfxTrace("ERROR: The dialog %s cannot be shown: %s\n", TemplateName().GetString(), reason);
    CMessageBox::Show(owner, CFormat(DialogString(message), argument), nullptr,
                      MB_OK | MB_ICONERROR);
    return FALSE;
}

BOOL CStdDialog::OnCreateDialog(CWnd * owner) {
    CDialogTemplate tpl;
    if (!CDialogTemplate::Load(m_name, tpl))
        return Refuse(owner, DialogStrings::templateMissing, TemplateName(),
                      "its template is missing or malformed");
    for (CDialogTemplate::Item const & item : tpl.GetItems())
        if (!CWndClass::Find(item.m_class))
            return Refuse(owner, DialogStrings::classUnknown, item.m_class,
                          CPrintf("the window class \"%s\" of control %u is not registered",
                                  item.m_class.GetString(), item.m_id));

    m_font = tpl.GetFontSize() ? CFont(tpl.GetFontFace(), static_cast<int>(tpl.GetFontSize()))
                               : CStdTools::FindInstance()->GetStdFont();
    m_baseUnits = BaseUnits(m_font);

    int width = tpl.GetCX();
    int height = tpl.GetCY();
    if (width == 0 && height == 0 && !tpl.GetItems().IsEmpty()) {
        int left = tpl.GetItems()[0].m_x;
        int top = tpl.GetItems()[0].m_y;
        int right = 0;
        int bottom = 0;
        for (CDialogTemplate::Item const & item : tpl.GetItems()) {
            left = std::min(left, item.m_x);
            top = std::min(top, item.m_y);
            right = std::max(right, item.m_x + item.m_cx);
            bottom = std::max(bottom, item.m_y + item.m_cy);
        }
        width = right + std::max(left, 0);
        height = bottom + std::max(top, 0);
    }
    CRect const pixels = MapPlace(tpl.GetX(), tpl.GetY(), width, height);
    CString const caption = GetCaption().IsEmpty() ? tpl.GetCaption() : GetCaption();
    if (!CreateDialogWindow(caption, pixels.Size(), owner, pixels.TopLeft(), tpl.GetStyle(),
                            tpl.GetExStyle()))
        return Refuse(owner, DialogStrings::templateMissing, TemplateName(),
                      "its window could not be made");
    SetFont(&m_font, FALSE);

    for (CDialogTemplate::Item const & item : tpl.GetItems()) {
        CWnd * control =
            DialogControls::Create(item, MapPlace(item.m_x, item.m_y, item.m_cx, item.m_cy), *this);
        if (!control)
            return Refuse(owner, DialogStrings::templateMissing, TemplateName(),
                          CPrintf("control %u could not be made", item.m_id));
        control->SetFont(&m_font, FALSE);
    }
    return TRUE;
}
