#include "CMenuButton.hpp"

#include "AfxSignature.hpp"
#include "CDC.hpp"
#include "CEntity.hpp"
#include "CMemoryDC.hpp"
#include "CMenu.hpp"
#include "CStdTools.hpp"
#include "SystemMetrics.hpp"
#include "VantorUIModule.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <algorithm>

AFX_IMPLEMENT_DYNCREATE(CMenuButton, CButton)

AFX_BEGIN_MESSAGE_MAP(CMenuButton, CButton)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CMenuButton::OnDrawItem)
AFX_ON_MESSAGE("V-1L", WM_ENABLE, &CMenuButton::OnEnable)
AFX_END_MESSAGE_MAP()

namespace {

inline constexpr int arrowSize = 9;

bool IsSeparator(CString const & entry) {
    return entry == "-";
}

char First(CString const & entry) {
    return entry.GetString()[0];
}

bool IsMarked(CString const & entry) {
    return First(entry) == '!' || First(entry) == '~';
}

// An entry's text without its marker.
char const * Shown(CString const & entry) {
    return IsMarked(entry) ? entry.GetString() + 1 : entry.GetString();
}

} // namespace

CMenuButton::CMenuButton() {
    m_check.LoadBitmap(CEntity(VantorUIModule(), "check"));
}

void CMenuButton::AddString(char const * text) {
    m_entries.Append(CString(text));
    m_faceSize.cx = 0;
}

BOOL CMenuButton::Create(CRect const & rect, CWnd * parent, UINT id) {
    if (!CCtrlWnd::Create("", WS_TABSTOP | BS_OWNERDRAW, rect, parent, id))
        return FALSE;
    CreateBitmap();
    SetFont(&CStdTools::FindInstance()->GetCtrlFont());
    return TRUE;
}

CSize CMenuButton::GetSize() {
    CScreenDC dc;
    return GetSize(dc);
}

CSize CMenuButton::GetSize(CDC & dc) {
    CalcSize(dc);
    return m_faceSize;
}

void CMenuButton::SetData(UINT index) {
    m_selection = index;
    UpdateBitmap();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

CString * CMenuButton::FindEntry(UINT index) {
    UINT next = 0;
    for (CString & entry : m_entries) {
        if (IsSeparator(entry))
            continue;
        if (next++ == index)
            return &entry;
    }
    return nullptr;
}

void CMenuButton::Enable(UINT index, BOOL enable) {
    CString * entry = FindEntry(index);
    if (!entry)
        return;
    bool const disabled = First(*entry) == '!';
    if (!enable && !disabled)
        *entry = CString("!") + *entry;
    else if (enable && disabled)
        *entry = entry->Mid(1);
}

void CMenuButton::CalcSize(CDC & dc) {
    if (m_faceSize.cx != 0)
        return;
    dc.Select(CStdTools::FindInstance()->GetCtrlFont());
    CSize widest;
    for (CString const & entry : m_entries) {
        CSize const extent = dc.GetTextExtent(Shown(entry));
        widest.cx = std::max(widest.cx, extent.cx);
        widest.cy = std::max(widest.cy, extent.cy);
    }
    dc.Deselect();
    m_faceSize = CSize(widest.cx + 20, widest.cy);
}

void CMenuButton::CreateBitmap() {
    CScreenDC dc;
    CalcSize(dc);
    m_face.Create(dc, m_faceSize.cx, m_faceSize.cy);
    UpdateBitmap();
}

void CMenuButton::UpdateBitmap() {
    if (m_face.IsEmpty())
        return;
    CStdTools const & tools = *CStdTools::FindInstance();
    CScreenDC screen;
    CMemoryDC dc(screen);
    dc.Select(m_face);
    dc.Select(tools.GetCtrlFont());
    CSize const size = m_face.GetSize();
    dc.FillRect(CRect(CPoint(0, 0), size), tools.GetBrush(CStdTools::colorFace));
    dc.SetBkColor(tools.GetColor(CStdTools::colorFace));

    CString const * entry = FindEntry(m_selection);
    char const * text = entry ? Shown(*entry) : "";
    bool const marked = entry && IsMarked(*entry);

    CBitmap arrow;
    arrow.LoadBitmap(CEntity(VantorUIModule(), "arrow"));
    CMemoryDC arrowDC(screen);
    arrowDC.Select(arrow);
    int const arrowTop = (size.cy - arrowSize) / 2;
    if (!GetSafeHwnd() || IsWindowEnabled()) {
        dc.SetTextColor(tools.GetColor(marked ? CStdTools::colorGrayText : CStdTools::colorText));
        dc.BitBlt(1, arrowTop, arrowSize, arrowSize, arrowDC, 0, 0, SRCCOPY);
        dc.SetTextColor(tools.GetColor(CStdTools::colorText));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(15, 0, text);
    } else {
        dc.SetTextColor(tools.GetColor(CStdTools::color3DShadow));
        dc.BitBlt(1, arrowTop, arrowSize, arrowSize, arrowDC, 0, 0, SRCCOPY);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(tools.GetColor(CStdTools::color3DHighlight));
        dc.TextOut(16, 1, text);
        dc.SetTextColor(tools.GetColor(CStdTools::color3DShadow));
        dc.TextOut(15, 0, text);
    }
    dc.Deselect();
    dc.Deselect();
}

void CMenuButton::OnDrawItem(UINT, DRAWITEMSTRUCT & item) {
    if (!item.hDC)
        return;
    CDC & dc = *item.hDC;
    CStdTools const & tools = *CStdTools::FindInstance();
    CRect rect = item.rcItem;
    CSize const face = m_face.GetSize();
    CPoint place(rect.left + (rect.Width() - face.cx) / 2,
                 rect.top + (rect.Height() - face.cy) / 2);
    if (item.itemState & ODS_SELECTED) {
        dc.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_SOFT);
        place.x += 1;
        place.y += 1;
    } else {
        dc.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    rect = rect - 2;
    dc.FillRect(rect, tools.GetBrush(CStdTools::colorFace));
    if (item.itemState & ODS_FOCUS)
        dc.DrawFocusRect(rect - 1);
    if (m_face.IsEmpty())
        return;
    CMemoryDC faceDC(dc);
    if (faceDC.Select(m_face)) {
        dc.BitBlt(place.x, place.y, face.cx, face.cy, faceDC, 0, 0, SRCCOPY);
        faceDC.Deselect();
    }
}

void CMenuButton::OnEnable(BOOL enable) {
    // The button keeps its own enabled look and pressed state in step.
    AfxCallDefProc(WM_ENABLE, static_cast<WPARAM>(enable), 0);
    UpdateBitmap();
    Invalidate(FALSE);
}

BOOL CMenuButton::ShowMenu() {
    CMenu menu;
    menu.CreatePopupMenu();
    bool const useCheck = GetSystemMetrics(SM_CXMENUCHECK) == 13 &&
                          GetSystemMetrics(SM_CYMENUCHECK) == 13 && !m_check.IsEmpty();
    UINT command = firstCommand;
    for (CString const & entry : m_entries) {
        if (IsSeparator(entry)) {
            menu.AppendSeparator();
            continue;
        }
        if (First(entry) == '!') {
            menu.AppendMenu(MF_STRING | MF_GRAYED, command, Shown(entry));
        } else if (First(entry) != '~') {
            menu.AppendMenu(MF_STRING, command, entry);
            if (useCheck)
                menu.SetMenuItemBitmaps(command, MF_BYCOMMAND, nullptr, &m_check);
        }
        ++command;
    }
    menu.CheckMenuItem(firstCommand + m_selection, MF_BYCOMMAND | MF_CHECKED);
    CRect const window = GetWindowRect();
    UINT const chosen = menu.TrackPopupMenu(TPM_RETURNCMD, window.left - 1, window.bottom, this);
    if (chosen == 0)
        return FALSE;
    m_selection = chosen - firstCommand;
    UpdateBitmap();
    Invalidate(FALSE);
    return TRUE;
}
