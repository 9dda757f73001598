#include "internal/ListBoxWindow.hpp"
#include "CPaintDC.hpp"

#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "ListBoxMessages.hpp"
#include "MessageParams.hpp"
#include "Utf8.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"
#include "internal/EditText.hpp"
#include "internal/ListPaint.hpp"

#include <algorithm>

namespace {

// A press on a scroll arrow or the track repeats after this delay, then at this interval.
constexpr UINT repeatDelay = 400;
constexpr UINT repeatInterval = 50;
// Rows scrolled per notch of the mouse wheel.
constexpr int wheelRows = 3;

// Registered when the library loads, so that dialogs can create list boxes by class name.
[[maybe_unused]] char const * const g_registered = ListBoxWindow::Register();

} // namespace

char const * ListBoxWindow::Register() {
    return ControlWindows<ListBoxWindow>::Register("listbox", CWndClass::classFocusOnClick |
                                                                  CWndClass::classDoubleClicks);
}

LRESULT ListBoxWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        m_timer = CWnd::AllocTimerID();
        UpdateMetrics();
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown(MessageParams::Point(lParam), false);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnButtonDown(MessageParams::Point(lParam), true);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(MessageParams::Point(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(MessageParams::Point(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(MessageParams::HighInt(wParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        return 0;
    case WM_TIMER:
        if (wParam != m_timer)
            return DefWindowProc(m_hwnd, message, wParam, lParam);
        OnTimer();
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_ENABLE:
        OnEnable(wParam != 0);
        return 0;
    case WM_SIZE:
        UpdateMetrics();
        Invalidate();
        return 0;
    case WM_SETFONT: {
        LRESULT const result = DefWindowProc(m_hwnd, message, wParam, lParam);
        UpdateMetrics();
        Invalidate();
        return result;
    }
    case WM_SETREDRAW:
        OnSetRedraw(wParam != 0);
        return 0;
    case WM_ERASEBKGND:
        // The whole client area is painted by WM_PAINT.
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    case LB_ADDSTRING:
        return OnAddString(reinterpret_cast<char const *>(lParam));
    case LB_INSERTSTRING:
        return OnInsertString(MessageParams::Int(wParam), reinterpret_cast<char const *>(lParam));
    case LB_DELETESTRING:
        return OnDeleteString(MessageParams::Int(wParam));
    case LB_RESETCONTENT:
        OnResetContent();
        return 0;
    case LB_SETCURSEL:
        return OnSetCurSel(MessageParams::Int(wParam));
    case LB_GETCURSEL:
        return m_model.GetSelection();
    case LB_GETTEXT:
        return OnGetText(MessageParams::Int(wParam), reinterpret_cast<CString *>(lParam));
    case LB_GETTEXTLEN: {
        int const index = MessageParams::Int(wParam);
        return m_model.IsValid(index) ? static_cast<LRESULT>(m_model.GetText(index).size())
                                      : LB_ERR;
    }
    case LB_GETCOUNT:
        return m_model.GetCount();
    case LB_GETTOPINDEX:
        return m_model.GetTopIndex();
    case LB_FINDSTRING: {
        auto const * text = reinterpret_cast<char const *>(lParam);
        return m_model.FindPrefix(MessageParams::Int(wParam), text ? text : "");
    }
    case LB_FINDSTRINGEXACT: {
        auto const * text = reinterpret_cast<char const *>(lParam);
        return m_model.FindExact(MessageParams::Int(wParam), text ? text : "");
    }
    case LB_SETTOPINDEX:
        return OnSetTopIndex(MessageParams::Int(wParam));
    case LB_GETITEMRECT:
        return OnGetItemRect(MessageParams::Int(wParam), reinterpret_cast<CRect *>(lParam));
    case LB_GETITEMDATA:
        return static_cast<LRESULT>(m_model.GetData(MessageParams::Int(wParam)));
    case LB_SETITEMDATA:
        return m_model.SetData(MessageParams::Int(wParam), static_cast<std::uintptr_t>(lParam))
                   ? LB_OKAY
                   : LB_ERR;
    case LB_GETCARETINDEX:
        return m_hot != CListModel::none ? m_hot : m_model.GetSelection();
    case LB_GETITEMHEIGHT:
        return m_itemHeight;
    case LB_ITEMFROMPOINT:
        return OnItemFromPoint(MessageParams::Point(lParam));
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

LRESULT ListBoxWindow::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
    if (IsComboList())
        if (CWnd * owner = CWnd::FromHandle(m_hwnd)->GetParent())
            return owner->SendMessage(WM_GETDLGCODE, wParam, lParam);
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void ListBoxWindow::OnKeyDown(UINT key) {
    if (IsComboList()) {
        if (CWnd * owner = CWnd::FromHandle(m_hwnd)->GetParent())
            owner->SendMessage(WM_KEYDOWN, key, 1);
        return;
    }
    CListModel::Move move;
    switch (key) {
    case VK_UP:
        move = CListModel::moveUp;
        break;
    case VK_DOWN:
        move = CListModel::moveDown;
        break;
    case VK_PRIOR:
        move = CListModel::movePageUp;
        break;
    case VK_NEXT:
        move = CListModel::movePageDown;
        break;
    case VK_HOME:
        move = CListModel::moveHome;
        break;
    case VK_END:
        move = CListModel::moveEnd;
        break;
    case VK_ESCAPE:
        CancelPress();
        return;
    default:
        return;
    }
    int const target = m_model.Navigate(m_model.GetSelection(), move);
    if (target != CListModel::none)
        UserSelect(target);
}

void ListBoxWindow::OnChar(UINT codePoint) {
    if (IsComboList()) {
        if (CWnd * owner = CWnd::FromHandle(m_hwnd)->GetParent())
            owner->SendMessage(WM_CHAR, codePoint, 1);
        return;
    }
    if (!EditText::IsPrintable(codePoint))
        return;
    int const found = m_model.FindPrefix(m_model.GetSelection(), Utf8::Encode(codePoint));
    if (found != CListModel::none)
        UserSelect(found);
}

void ListBoxWindow::OnButtonDown(CPoint point, bool doubleClick) {
    m_pointer = point;
    if (IsComboList()) {
        if (!CWnd::FromHandle(m_hwnd)->GetClientRect().Encloses(point)) {
            Notify(LBN_SELCANCEL);
            return;
        }
        if (HasBar()) {
            ListScrollBar::Part const part = Bar().HitTest(point);
            if (part != ListScrollBar::partNone) {
                StartScroll(part, point);
                return;
            }
        }
        int const index = ItemAt(point);
        if (index != CListModel::none && index != m_hot) {
            m_hot = index;
            Invalidate();
        }
        return;
    }
    HWND const hwnd = m_hwnd;
    CWnd * wnd = CWnd::FromHandle(hwnd);
    // A list box clicked by a message rather than by the mouse still takes the focus.
    if (!m_focused) {
        wnd->SetFocus();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    if (HasBar()) {
        ListScrollBar::Part const part = Bar().HitTest(point);
        if (part != ListScrollBar::partNone || BarRect().Encloses(point)) {
            StartScroll(part, point);
            return;
        }
    }
    int const index = ItemAt(point);
    if (index == CListModel::none)
        return;
    wnd->SetCapture();
    if (!CWnd::IsWindow(hwnd))
        return;
    m_tracking = true;
    if (!UserSelect(index))
        return;
    if (doubleClick && (Style() & LBS_NOTIFY))
        Notify(LBN_DBLCLK);
}

void ListBoxWindow::OnMouseMove(CPoint point) {
    m_pointer = point;
    if (m_scrollPress == ListScrollBar::partThumb) {
        m_model.SetTopIndex(Bar().TopIndexAt(point.y - m_grab));
        Invalidate();
        return;
    }
    if (m_scrollPress != ListScrollBar::partNone) {
        // The part shows pushed only while the pointer stays on it.
        Invalidate();
        return;
    }
    if (IsComboList()) {
        int const index = ItemAt(point);
        if (index != CListModel::none && index != m_hot) {
            m_hot = index;
            Invalidate();
        }
        return;
    }
    if (!m_tracking || m_model.GetCount() == 0)
        return;
    // Dragging beyond the rows reaches the entry just outside them, one row at a time.
    int const top = m_model.GetTopIndex();
    int const row = std::clamp(RowAt(point.y), top - 1, top + m_model.GetPage());
    UserSelect(std::clamp(row, 0, m_model.GetCount() - 1));
}

void ListBoxWindow::OnButtonUp(CPoint point) {
    m_pointer = point;
    if (m_scrollPress != ListScrollBar::partNone) {
        CancelPress();
        return;
    }
    if (IsComboList()) {
        int const index = ItemAt(point);
        if (index == CListModel::none)
            return;
        m_hot = index;
        Notify(LBN_SELCHANGE);
        return;
    }
    if (m_tracking)
        CancelPress();
}

void ListBoxWindow::OnMouseWheel(int delta) {
    m_wheelRest += delta;
    int const notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    int const before = m_model.GetTopIndex();
    m_model.ScrollBy(-notches * wheelRows);
    if (m_model.GetTopIndex() != before)
        Invalidate();
}

void ListBoxWindow::OnCaptureChanged() {
    bool const pressed = m_tracking || m_scrollPress != ListScrollBar::partNone;
    m_tracking = false;
    if (m_scrollPress != ListScrollBar::partNone) {
        m_scrollPress = ListScrollBar::partNone;
        CWnd::FromHandle(m_hwnd)->KillTimer(m_timer);
    }
    if (pressed)
        Invalidate();
    if (IsComboList() && CWnd::FromHandle(m_hwnd)->IsWindowVisible())
        Notify(LBN_SELCANCEL);
}

void ListBoxWindow::OnTimer() {
    CWnd * wnd = CWnd::FromHandle(m_hwnd);
    ListScrollBar::Part const part = m_scrollPress;
    if (part == ListScrollBar::partNone || part == ListScrollBar::partThumb) {
        wnd->KillTimer(m_timer);
        return;
    }
    if (Bar().HitTest(m_pointer) == part)
        ScrollStep(part);
    wnd->SetTimer(m_timer, repeatInterval);
}

void ListBoxWindow::OnSetFocus() {
    m_focused = true;
    Invalidate();
    Notify(LBN_SETFOCUS);
}

void ListBoxWindow::OnKillFocus() {
    HWND const hwnd = m_hwnd;
    m_focused = false;
    CancelPress();
    if (!CWnd::IsWindow(hwnd))
        return;
    Invalidate();
    Notify(LBN_KILLFOCUS);
}

void ListBoxWindow::OnEnable(bool enabled) {
    if (!enabled)
        CancelPress();
    Invalidate();
}

void ListBoxWindow::OnSetRedraw(bool redraw) {
    m_redraw = redraw;
    Invalidate();
}

LRESULT ListBoxWindow::OnAddString(char const * text) {
    std::string_view const value = text ? text : "";
    int const index = (Style() & LBS_SORT) ? m_model.SortedIndex(value) : CListModel::none;
    int const added = m_model.Insert(index, value, 0);
    m_hot = CListModel::none;
    Invalidate();
    return added;
}

LRESULT ListBoxWindow::OnInsertString(int index, char const * text) {
    int const inserted = m_model.Insert(index, text ? text : "", 0);
    if (inserted == CListModel::none)
        return LB_ERR;
    m_hot = CListModel::none;
    Invalidate();
    return inserted;
}

LRESULT ListBoxWindow::OnDeleteString(int index) {
    if (!m_model.Delete(index))
        return LB_ERR;
    m_hot = CListModel::none;
    Invalidate();
    return m_model.GetCount();
}

void ListBoxWindow::OnResetContent() {
    m_model.Clear();
    m_hot = CListModel::none;
    Invalidate();
}

LRESULT ListBoxWindow::OnSetCurSel(int index) {
    int const selected = m_model.GetSelection();
    int const top = m_model.GetTopIndex();
    if (!m_model.Select(index))
        return LB_ERR;
    m_model.EnsureVisible(index);
    if (index != selected || top != m_model.GetTopIndex() || m_hot != CListModel::none) {
        m_hot = CListModel::none;
        Invalidate();
    }
    return index == CListModel::none ? LB_ERR : index;
}

LRESULT ListBoxWindow::OnGetText(int index, CString * text) const {
    if (!m_model.IsValid(index))
        return LB_ERR;
    std::string const & value = m_model.GetText(index);
    if (text)
        *text = value.c_str();
    return static_cast<LRESULT>(value.size());
}

LRESULT ListBoxWindow::OnSetTopIndex(int index) {
    if (!m_model.IsValid(index))
        return LB_ERR;
    int const top = m_model.GetTopIndex();
    m_model.SetTopIndex(index);
    if (m_model.GetTopIndex() != top)
        Invalidate();
    return LB_OKAY;
}

LRESULT ListBoxWindow::OnGetItemRect(int index, CRect * rect) const {
    if (!m_model.IsValid(index))
        return LB_ERR;
    if (rect)
        *rect = RowRect(index);
    return LB_OKAY;
}

LRESULT ListBoxWindow::OnItemFromPoint(CPoint point) const {
    int const count = m_model.GetCount();
    int const row = RowAt(point.y);
    bool const outside = !Rows().Encloses(point) || row < 0 || row >= count;
    int const nearest = std::clamp(row, 0, std::max(0, count - 1));
    return MAKELPARAM(static_cast<unsigned>(nearest), outside ? 1u : 0u);
}

bool ListBoxWindow::UserSelect(int index) {
    bool const changed = index != m_model.GetSelection();
    m_model.Select(index);
    m_model.EnsureVisible(index);
    Invalidate();
    if (!changed || !(Style() & LBS_NOTIFY))
        return true;
    return Notify(LBN_SELCHANGE);
}

void ListBoxWindow::CancelPress() {
    bool const pressed = m_tracking || m_scrollPress != ListScrollBar::partNone;
    CWnd * wnd = CWnd::FromHandle(m_hwnd);
    m_tracking = false;
    if (m_scrollPress != ListScrollBar::partNone) {
        m_scrollPress = ListScrollBar::partNone;
        wnd->KillTimer(m_timer);
    }
    if (!pressed)
        return;
    Invalidate();
    // A drop list keeps the capture for its combo box until it closes. Last, as it sends
    // WM_CAPTURECHANGED back to this window.
    if (!IsComboList() && CWnd::GetCapture() == wnd)
        CWnd::ReleaseCapture();
}

void ListBoxWindow::StartScroll(ListScrollBar::Part part, CPoint point) {
    ListScrollBar const bar = Bar();
    if (part == ListScrollBar::partNone || !bar.IsEnabled())
        return;
    CWnd * wnd = CWnd::FromHandle(m_hwnd);
    if (!IsComboList()) {
        HWND const hwnd = m_hwnd;
        wnd->SetCapture();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    m_scrollPress = part;
    if (part == ListScrollBar::partThumb) {
        m_grab = point.y - bar.GetRect(part).top;
    } else {
        ScrollStep(part);
        wnd->SetTimer(m_timer, repeatDelay);
    }
    Invalidate();
}

void ListBoxWindow::ScrollStep(ListScrollBar::Part part) {
    int const page = m_model.GetPage();
    switch (part) {
    case ListScrollBar::partLineUp:
        m_model.ScrollBy(-1);
        break;
    case ListScrollBar::partLineDown:
        m_model.ScrollBy(1);
        break;
    case ListScrollBar::partPageUp:
        m_model.ScrollBy(-page);
        break;
    case ListScrollBar::partPageDown:
        m_model.ScrollBy(page);
        break;
    default:
        return;
    }
    Invalidate();
}

bool ListBoxWindow::Notify(UINT code) const {
    // A list box that is being destroyed tells nothing.
    return CWnd::IsWindow(m_hwnd) && CCtrlWnd::NotifyParent(m_hwnd, code);
}

bool ListBoxWindow::IsComboList() const {
    return (Style() & LBS_COMBOBOX) != 0;
}

DWORD ListBoxWindow::Style() const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    return wnd ? wnd->GetStyle() : 0;
}

CFont const & ListBoxWindow::Font() const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    CFont const * font = wnd ? wnd->GetFont() : nullptr;
    return font ? *font : CStdTools::FindInstance()->GetCtrlFont();
}

void ListBoxWindow::UpdateMetrics() {
    CScreenDC dc;
    dc.Select(Font());
    m_itemHeight = dc.GetTextExtent("", 0).cy + 2;
    dc.Deselect();
    m_model.SetPage(Inner().Height() / m_itemHeight);
}

CRect ListBoxWindow::Inner() const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    if (!wnd)
        return CRect();
    CRect const client = wnd->GetClientRect();
    DWORD const style = Style();
    return (style & WS_BORDER) && !(style & WS_CHILD) ? client - 1 : client;
}

bool ListBoxWindow::HasBar() const {
    DWORD const style = Style();
    return (style & WS_VSCROLL) && (m_model.CanScroll() || (style & LBS_DISABLENOSCROLL));
}

CRect ListBoxWindow::BarRect() const {
    if (!HasBar())
        return CRect();
    CRect const inner = Inner();
    return CRect(std::max(inner.left, inner.right - ListScrollBar::width), inner.top, inner.right,
                 inner.bottom);
}

CRect ListBoxWindow::Rows() const {
    CRect rows = Inner();
    if (HasBar())
        rows.right = BarRect().left;
    return rows;
}

ListScrollBar ListBoxWindow::Bar() const {
    return ListScrollBar(BarRect(), m_model.GetCount(), m_model.GetPage(), m_model.GetTopIndex());
}

CRect ListBoxWindow::RowRect(int index) const {
    CRect const rows = Rows();
    LONG const top = rows.top + (index - m_model.GetTopIndex()) * m_itemHeight;
    return CRect(rows.left, top, rows.right, top + m_itemHeight);
}

int ListBoxWindow::RowAt(LONG y) const {
    LONG const offset = y - Rows().top;
    LONG const row =
        offset >= 0 ? offset / m_itemHeight : -((m_itemHeight - 1 - offset) / m_itemHeight);
    return m_model.GetTopIndex() + static_cast<int>(row);
}

int ListBoxWindow::ItemAt(CPoint point) const {
    if (!Rows().Encloses(point))
        return CListModel::none;
    int const index = RowAt(point.y);
    return m_model.IsValid(index) ? index : CListModel::none;
}

int ListBoxWindow::Highlighted() const {
    return m_hot != CListModel::none ? m_hot : m_model.GetSelection();
}

void ListBoxWindow::Invalidate() const {
    if (!m_redraw)
        return;
    if (CWnd * wnd = CWnd::FromHandle(m_hwnd))
        wnd->Invalidate(FALSE);
}

void ListBoxWindow::OnPaint() {
    CPaintDC dc(CWnd::FromHandle(m_hwnd));
    Paint(dc);
}

void ListBoxWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    bool const enabled = wnd->IsWindowEnabled();
    CRect const client = wnd->GetClientRect();
    CRect const inner = Inner();
    if (inner != client)
        dc.FrameRect(client, tools.GetBrush(CStdTools::color3DDarkShadow));

    dc.Select(Font());
    CRect const rows = Rows();
    dc.FillRect(rows, tools.GetBrush(CStdTools::colorWindow));
    int const highlighted = Highlighted();
    int const last = std::min(m_model.GetCount(), m_model.GetTopIndex() + m_model.GetPage() + 1);
    for (int index = m_model.GetTopIndex(); index < last; ++index) {
        CRect const row = RowRect(index).Intersect(rows);
        if (row.IsEmpty())
            break;
        ListPaint::DrawEntry(dc, row, m_model.GetText(index).c_str(), index == highlighted,
                             enabled);
    }
    if (m_focused && !IsComboList()) {
        int const caret = m_model.GetSelection() != CListModel::none ? m_model.GetSelection()
                                                                     : m_model.GetTopIndex();
        CRect const row = RowRect(caret).Intersect(rows);
        if (!row.IsEmpty())
            dc.DrawFocusRect(row);
    }
    if (HasBar()) {
        ListScrollBar const bar = Bar();
        ListScrollBar::Part const pushed =
            bar.HitTest(m_pointer) == m_scrollPress ? m_scrollPress : ListScrollBar::partNone;
        bar.Paint(dc, enabled, pushed);
    }
    dc.Deselect();
}
