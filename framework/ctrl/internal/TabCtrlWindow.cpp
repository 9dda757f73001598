#include "internal/TabCtrlWindow.hpp"
#include "CPaintDC.hpp"

#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CInput.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "MessageParams.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"

#include <algorithm>

namespace {

// Registered when the library loads, so that dialogs can create tab controls by class name.
[[maybe_unused]] char const * const g_registered = TabCtrlWindow::Register();

} // namespace

char const * TabCtrlWindow::Register() {
    return ControlWindows<TabCtrlWindow>::Register("SysTabControl32", 0);
}

LRESULT TabCtrlWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return OnGetDlgCode();
    case WM_LBUTTONDOWN:
        OnLButtonDown(MessageParams::Point(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_SIZE:
    case WM_ENABLE:
        Invalidate();
        return 0;
    case WM_ERASEBKGND:
        // The whole client area is painted by WM_PAINT.
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    case TCM_GETITEMCOUNT:
        return Count();
    case TCM_GETITEM:
        return OnGetItem(MessageParams::Int(wParam), reinterpret_cast<TCITEM *>(lParam));
    case TCM_SETITEM:
        return OnSetItem(MessageParams::Int(wParam), reinterpret_cast<TCITEM const *>(lParam));
    case TCM_INSERTITEM:
        return OnInsertItem(MessageParams::Int(wParam), reinterpret_cast<TCITEM const *>(lParam));
    case TCM_DELETEITEM:
        return OnDeleteItem(MessageParams::Int(wParam));
    case TCM_DELETEALLITEMS:
        return OnDeleteAllItems();
    case TCM_GETITEMRECT:
        return OnGetItemRect(MessageParams::Int(wParam), reinterpret_cast<CRect *>(lParam));
    case TCM_GETCURSEL:
        return m_selected;
    case TCM_SETCURSEL:
        return OnSetCurSel(MessageParams::Int(wParam));
    case TCM_ADJUSTRECT:
        OnAdjustRect(wParam != 0, reinterpret_cast<CRect *>(lParam));
        return 0;
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

LRESULT TabCtrlWindow::OnGetDlgCode() const {
    // Ctrl+Tab turns the tabs; plain Tab stays the dialog's.
    return DLGC_WANTARROWS | (GetKeyState(VK_CONTROL) < 0 ? DLGC_WANTTAB : 0);
}

void TabCtrlWindow::OnLButtonDown(CPoint point) {
    CWnd * wnd = Wnd();
    int const index = HitTest(point);
    if (!wnd->IsWindowEnabled() || index < 0)
        return;
    HWND const hwnd = m_hwnd;
    if (!m_focused && !(wnd->GetStyle() & TCS_FOCUSNEVER)) {
        wnd->SetFocus();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    Select(index);
}

void TabCtrlWindow::OnKeyDown(UINT key) {
    if (!Wnd()->IsWindowEnabled() || m_tabs.empty())
        return;
    switch (key) {
    case VK_LEFT:
        if (m_selected > 0)
            Select(m_selected - 1);
        break;
    case VK_RIGHT:
        if (m_selected + 1 < Count())
            Select(m_selected + 1);
        break;
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0)
            break;
        if (GetKeyState(VK_SHIFT) < 0)
            Select(m_selected <= 0 ? Count() - 1 : m_selected - 1);
        else
            Select((m_selected + 1) % Count());
        break;
    default:
        break;
    }
}

void TabCtrlWindow::OnSetFocus() {
    m_focused = true;
    Invalidate();
}

void TabCtrlWindow::OnKillFocus() {
    m_focused = false;
    Invalidate();
}

LRESULT TabCtrlWindow::OnGetItem(int index, TCITEM * item) const {
    if (!IsValid(index) || !item)
        return FALSE;
    Tab const & tab = m_tabs[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_TEXT)
        item->text = tab.text;
    if (item->mask & TCIF_PARAM)
        item->lParam = tab.data;
    return TRUE;
}

LRESULT TabCtrlWindow::OnSetItem(int index, TCITEM const * item) {
    if (!IsValid(index) || !item)
        return FALSE;
    Tab & tab = m_tabs[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_TEXT) {
        tab.text = item->text;
        Invalidate();
    }
    if (item->mask & TCIF_PARAM)
        tab.data = item->lParam;
    return TRUE;
}

LRESULT TabCtrlWindow::OnInsertItem(int index, TCITEM const * item) {
    if (index < 0 || !item)
        return -1;
    index = std::min(index, Count());
    Tab tab;
    if (item->mask & TCIF_TEXT)
        tab.text = item->text;
    if (item->mask & TCIF_PARAM)
        tab.data = item->lParam;
    m_tabs.insert(m_tabs.begin() + index, tab);
    // The selected tab stays selected, whatever its number becomes.
    if (m_selected >= index)
        ++m_selected;
    if (m_selected < 0 && Count() == 1)
        m_selected = 0;
    Invalidate();
    return index;
}

LRESULT TabCtrlWindow::OnDeleteItem(int index) {
    if (!IsValid(index))
        return FALSE;
    m_tabs.erase(m_tabs.begin() + index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
    Invalidate();
    return TRUE;
}

LRESULT TabCtrlWindow::OnDeleteAllItems() {
    m_tabs.clear();
    m_selected = -1;
    Invalidate();
    return TRUE;
}

LRESULT TabCtrlWindow::OnGetItemRect(int index, CRect * rect) const {
    if (!IsValid(index) || !rect)
        return FALSE;
    *rect = ItemRect(index);
    return TRUE;
}

LRESULT TabCtrlWindow::OnSetCurSel(int index) {
    if (!IsValid(index))
        return -1;
    int const old = m_selected;
    if (index != old) {
        m_selected = index;
        Invalidate();
    }
    return old;
}

void TabCtrlWindow::OnAdjustRect(bool larger, CRect * rect) const {
    if (!rect)
        return;
    CRect const margins(panelMargin, RowHeight() + panelMargin, panelMargin, panelMargin);
    *rect = larger ? *rect + margins : *rect - margins;
}

void TabCtrlWindow::Select(int index) {
    if (index == m_selected || !IsValid(index))
        return;
    HWND const hwnd = m_hwnd;
    NMHDR changing;
    changing.code = TCN_SELCHANGING;
    LRESULT const refused = CCtrlWnd::NotifyParent(hwnd, changing);
    // The parent may have destroyed the control or removed the tab meanwhile.
    if (!CWnd::IsWindow(hwnd) || refused || !IsValid(index))
        return;
    m_selected = index;
    Invalidate();
    NMHDR changed;
    changed.code = TCN_SELCHANGE;
    CCtrlWnd::NotifyParent(hwnd, changed);
}

bool TabCtrlWindow::IsValid(int index) const {
    return index >= 0 && index < Count();
}

CWnd * TabCtrlWindow::Wnd() const {
    return CWnd::FromHandle(m_hwnd);
}

LONG TabCtrlWindow::Width(CString const & text) const {
    CFont const * font = Wnd()->GetFont();
    CScreenDC dc;
    dc.Select(font ? *font : CStdTools::FindInstance()->GetCtrlFont());
    LONG const width = dc.GetTextExtent(text).cx;
    dc.Deselect();
    return width;
}

LONG TabCtrlWindow::LineHeight() const {
    CFont const * font = Wnd()->GetFont();
    CScreenDC dc;
    dc.Select(font ? *font : CStdTools::FindInstance()->GetCtrlFont());
    LONG const height = dc.GetTextExtent("").cy;
    dc.Deselect();
    return height;
}

LONG TabCtrlWindow::RowHeight() const {
    return raise + LineHeight() + 2 * textPadY + 1;
}

CRect TabCtrlWindow::ItemRect(int index) const {
    LONG left = raise;
    for (int i = 0; i < index; ++i)
        left += std::max<LONG>(minTabWidth,
                               Width(m_tabs[static_cast<std::size_t>(i)].text) + 2 * textPadX);
    LONG const width = std::max<LONG>(
        minTabWidth, Width(m_tabs[static_cast<std::size_t>(index)].text) + 2 * textPadX);
    return CRect(left, raise, left + width, RowHeight());
}

CRect TabCtrlWindow::SelectedRect(int index) const {
    CRect const rect = ItemRect(index);
    return CRect(rect.left - raise, rect.top - raise, rect.right + raise, rect.bottom + raise);
}

int TabCtrlWindow::HitTest(CPoint point) const {
    // The raised selected tab lies over its neighbours' edges.
    if (IsValid(m_selected) && SelectedRect(m_selected).Encloses(point))
        return m_selected;
    for (int i = 0; i < Count(); ++i)
        if (ItemRect(i).Encloses(point))
            return i;
    return -1;
}

void TabCtrlWindow::Invalidate() const {
    if (CWnd * wnd = Wnd())
        wnd->Invalidate(FALSE);
}

void TabCtrlWindow::OnPaint() {
    CPaintDC dc(Wnd());
    Paint(dc);
}

void TabCtrlWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd const * wnd = Wnd();
    CRect const client = wnd->GetClientRect();
    dc.FillRect(client, tools.GetBrush(CStdTools::colorFace));
    CFont const * font = wnd->GetFont();
    dc.Select(font ? *font : tools.GetCtrlFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(
        tools.GetColor(wnd->IsWindowEnabled() ? CStdTools::colorText : CStdTools::colorGrayText));

    // The tabs behind, then the panel, then the selected tab over both.
    for (int i = 0; i < Count(); ++i)
        if (i != m_selected)
            PaintTab(dc, i, false);
    CRect panel(client.left, client.top + RowHeight(), client.right, client.bottom);
    dc.DrawEdge(panel, EDGE_RAISED, BF_RECT | BF_SOFT);
    if (IsValid(m_selected))
        PaintTab(dc, m_selected, true);
    dc.Deselect();
}

void TabCtrlWindow::PaintTab(CDC & dc, int index, bool selected) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CRect rect = selected ? SelectedRect(index) : ItemRect(index);
    dc.FillRect(rect, tools.GetBrush(CStdTools::colorFace));
    CRect edge = rect;
    dc.DrawEdge(edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
    // The text in the tab as it stands when not selected, so that it does not jump.
    CRect text = ItemRect(index);
    dc.DrawText(m_tabs[static_cast<std::size_t>(index)].text, text,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (selected && m_focused)
        dc.DrawFocusRect(ItemRect(index) - CRect(textPadX / 2, textPadY / 2, textPadX / 2, 0));
}
