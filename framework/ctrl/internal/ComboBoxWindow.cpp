#include "internal/ComboBoxWindow.hpp"
#include "CPaintDC.hpp"

#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CInput.hpp"
#include "CListModel.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "ComboBoxMessages.hpp"
#include "EditMessages.hpp"
#include "ListBoxMessages.hpp"
#include "MessageParams.hpp"
#include "Utf8.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ComboEdit.hpp"
#include "internal/ControlWindows.hpp"
#include "internal/EditText.hpp"
#include "internal/ListBoxWindow.hpp"
#include "internal/ListPaint.hpp"
#include "internal/ListScrollBar.hpp"

#include <algorithm>

namespace {

// The combo box types: the low two bits of the style.
constexpr DWORD typeMask = 0x0003;
// The room the sunken edge takes on each side, and the field's height beyond its text.
constexpr LONG edge = 2;
constexpr LONG fieldExtra = 8;

// Registered when the library loads, so that dialogs can create combo boxes by class name.
[[maybe_unused]] char const * const g_registered = ComboBoxWindow::Register();

} // namespace

char const * ComboBoxWindow::Register() {
    return ControlWindows<ComboBoxWindow>::Register("combobox", CWndClass::classFocusOnClick |
                                                                    CWndClass::classDoubleClicks);
}

LRESULT ComboBoxWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(*reinterpret_cast<CREATESTRUCT const *>(lParam));
    case WM_GETDLGCODE:
        return OnGetDlgCode(reinterpret_cast<MSG const *>(lParam));
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_COMMAND:
        OnCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_ENABLE:
        OnEnable(wParam != 0);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            CloseUp(Close::quiet, CListModel::none);
        return 0;
    case WM_SIZE:
        FitHeight();
        Invalidate();
        return 0;
    case WM_SETFONT:
        OnSetFont(wParam, lParam);
        return 0;
    case WM_SETTEXT:
        return OnSetText(reinterpret_cast<char const *>(lParam));
    case WM_GETTEXT:
        return OnGetText(reinterpret_cast<CString *>(lParam));
    case WM_GETTEXTLENGTH:
        return CurrentText().GetLength();
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(MessageParams::Point(lParam));
        return 0;
    case WM_SETREDRAW:
        OnSetRedraw(wParam != 0);
        return 0;
    case WM_ERASEBKGND:
        // The whole client area is painted by WM_PAINT.
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    case CB_ADDSTRING:
        return ToList(LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING:
        return ToList(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
        return OnDeleteString(wParam);
    case CB_RESETCONTENT:
        OnResetContent();
        return CB_OKAY;
    case CB_GETCOUNT:
        return ToList(LB_GETCOUNT);
    case CB_GETCURSEL:
        return ToList(LB_GETCURSEL);
    case CB_SETCURSEL:
        return OnSetCurSel(MessageParams::Int(wParam));
    case CB_GETLBTEXT:
        return ToList(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(LB_GETTEXTLEN, wParam);
    case CB_FINDSTRINGEXACT:
        return ToList(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_GETITEMDATA:
        return ToList(LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA:
        return ToList(LB_SETITEMDATA, wParam, lParam);
    case CB_GETTOPINDEX:
        return ToList(LB_GETTOPINDEX);
    case CB_SETTOPINDEX:
        return ToList(LB_SETTOPINDEX, wParam);
    case CB_SHOWDROPDOWN:
        if (wParam)
            DropDown(false);
        else
            CloseUp(Close::quiet, CListModel::none);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return m_dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        if (auto * rect = reinterpret_cast<CRect *>(lParam))
            *rect = ListRect();
        return TRUE;
    case CB_GETITEMHEIGHT:
        return MessageParams::Int(wParam) == -1 ? FieldHeight() : ToList(LB_GETITEMHEIGHT);
    case CB_LIMITTEXT:
        if (CWnd * edit = Edit())
            edit->SendMessage(EM_LIMITTEXT, wParam);
        return TRUE;
    case CB_SETEDITSEL:
        return OnSetEditSel(lParam);
    case CB_GETEDITSEL:
        if (CWnd * edit = Edit())
            return edit->SendMessage(EM_GETSEL, wParam, lParam);
        return CB_ERR;
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

LRESULT ComboBoxWindow::OnCreate(CREATESTRUCT const & create) {
    CWnd * wnd = Wnd();
    DWORD const style = wnd->GetStyle();
    DWORD listStyle = WS_POPUP | WS_BORDER | LBS_COMBOBOX | (style & WS_VSCROLL);
    if (style & CBS_SORT)
        listStyle |= LBS_SORT;
    if (style & CBS_DISABLENOSCROLL)
        listStyle |= LBS_DISABLENOSCROLL;
    // The list is placed each time it opens.
    auto * list = new CWnd;
    if (!list->CreateEx(0, ListBoxWindow::Register(), "", listStyle, CRect(), wnd, 0)) {
        delete list;
        return -1;
    }
    list->SetAutoDelete(TRUE);
    m_list = list->GetSafeHwnd();

    if ((style & typeMask) != CBS_DROPDOWNLIST) {
        DWORD editStyle = WS_VISIBLE | (style & WS_DISABLED);
        if (style & CBS_AUTOHSCROLL)
            editStyle |= ES_AUTOHSCROLL;
        auto * edit = new ComboEdit;
        if (!edit->Create(create.lpszName, editStyle, CRect(), wnd, editId)) {
            delete edit;
            return -1;
        }
        m_edit = edit->GetSafeHwnd();
    }
    FitHeight();
    SyncText();
    return 0;
}

LRESULT ComboBoxWindow::OnGetDlgCode(MSG const * msg) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While the list is open, Return and Escape close it rather than the dialog.
    if (m_dropped && msg && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

void ComboBoxWindow::OnSetFocus() {
    CWnd * edit = Edit();
    if (!edit) {
        GotFocus();
        return;
    }
    // A drop-down's focus lives in its edit field, whose text is then selected.
    HWND const hwnd = m_hwnd;
    edit->SetFocus();
    if (CWnd::IsWindow(hwnd) && CWnd::GetFocus() == edit)
        edit->SendMessage(EM_SETSEL, 0, -1);
}

void ComboBoxWindow::OnKillFocus(HWND to) {
    if (!IsPartOf(to))
        LostFocus();
}

void ComboBoxWindow::OnCommand(UINT code, HWND from) {
    if (!from)
        return;
    CWnd * focus = CWnd::GetFocus();
    if (from == m_edit) {
        switch (code) {
        case EN_SETFOCUS:
            GotFocus();
            break;
        case EN_KILLFOCUS:
            if (!IsPartOf(focus ? focus->GetSafeHwnd() : nullptr))
                LostFocus();
            break;
        case EN_UPDATE:
            Notify(CBN_EDITUPDATE);
            break;
        case EN_CHANGE:
            EditChanged();
            break;
        default:
            break;
        }
    } else if (from == m_list) {
        switch (code) {
        case LBN_SELCHANGE:
            CloseUp(Close::choose, static_cast<int>(ToList(LB_GETCARETINDEX)));
            break;
        case LBN_SELCANCEL:
            CloseUp(Close::cancel, CListModel::none);
            break;
        case LBN_KILLFOCUS:
            if (!IsPartOf(focus ? focus->GetSafeHwnd() : nullptr))
                LostFocus();
            break;
        default:
            break;
        }
    }
}

void ComboBoxWindow::OnEnable(bool enabled) {
    HWND const hwnd = m_hwnd;
    if (!enabled && !CloseUp(Close::quiet, CListModel::none))
        return;
    if (CWnd * edit = Edit())
        edit->EnableWindow(enabled);
    if (CWnd::IsWindow(hwnd))
        Invalidate();
}

void ComboBoxWindow::OnSetFont(WPARAM wParam, LPARAM lParam) {
    DefWindowProc(m_hwnd, WM_SETFONT, wParam, lParam);
    if (CWnd * list = List())
        list->SendMessage(WM_SETFONT, wParam, FALSE);
    if (CWnd * edit = Edit())
        edit->SendMessage(WM_SETFONT, wParam, lParam);
    FitHeight();
    Invalidate();
}

void ComboBoxWindow::OnKeyDown(UINT key) {
    bool const alt = GetKeyState(VK_MENU) < 0;
    if ((key == VK_F4 && !alt) || (alt && (key == VK_UP || key == VK_DOWN))) {
        if (m_dropped)
            CloseUp(Close::choose, static_cast<int>(ToList(LB_GETCARETINDEX)));
        else
            DropDown(true);
        return;
    }
    if (m_dropped && key == VK_RETURN) {
        CloseUp(Close::choose, static_cast<int>(ToList(LB_GETCARETINDEX)));
        return;
    }
    if (m_dropped && key == VK_ESCAPE) {
        CloseUp(Close::cancel, CListModel::none);
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
        // In a drop-down, Home and End move the edit field's caret.
        if (m_edit)
            return;
        move = CListModel::moveHome;
        break;
    case VK_END:
        if (m_edit)
            return;
        move = CListModel::moveEnd;
        break;
    default:
        return;
    }
    // While the list is open, keys move on from the entry it highlights.
    int const from = static_cast<int>(m_dropped ? ToList(LB_GETCARETINDEX) : ToList(LB_GETCURSEL));
    int const count = static_cast<int>(ToList(LB_GETCOUNT));
    int const target = CListModel::Navigate(from, move, count, ListPage());
    if (target != CListModel::none)
        UserSelect(target);
}

void ComboBoxWindow::OnChar(UINT codePoint) {
    if (m_edit || !EditText::IsPrintable(codePoint))
        return;
    std::string const typed = Utf8::Encode(codePoint);
    LRESULT const found = ToList(LB_FINDSTRING, MessageParams::FromInt(Selection()),
                                 reinterpret_cast<LPARAM>(typed.c_str()));
    if (found != LB_ERR)
        UserSelect(static_cast<int>(found));
}

void ComboBoxWindow::OnButtonDown(CPoint point) {
    HWND const hwnd = m_hwnd;
    // A combo box clicked by a message rather than by the mouse still takes the focus.
    if (!m_focused) {
        Wnd()->SetFocus();
        if (!CWnd::IsWindow(hwnd))
            return;
    }
    if (m_dropped) {
        CloseUp(Close::cancel, CListModel::none);
        return;
    }
    // A drop-down's field is its edit: only the button opens the list.
    if (m_edit && !ButtonRect().Encloses(point))
        return;
    DropDown(true);
}

LRESULT ComboBoxWindow::OnSetText(char const * text) {
    char const * const value = text ? text : "";
    int const found = static_cast<int>(
        ToList(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value)));
    if (CWnd * edit = Edit()) {
        edit->SetWindowText(value);
        ToList(LB_SETCURSEL, MessageParams::FromInt(found));
        SyncText();
        Invalidate();
        return TRUE;
    }
    // A drop-down list shows entries only: the text must be one of them.
    if (found == CListModel::none)
        return CB_ERR;
    SetSelection(found);
    return TRUE;
}

LRESULT ComboBoxWindow::OnGetText(CString * text) const {
    CString const current = CurrentText();
    if (text)
        *text = current;
    return current.GetLength();
}

void ComboBoxWindow::OnSetRedraw(bool redraw) {
    m_redraw = redraw;
    if (CWnd * list = List())
        list->SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE);
    Invalidate();
}

LRESULT ComboBoxWindow::OnSetCurSel(int index) {
    int const count = static_cast<int>(ToList(LB_GETCOUNT));
    bool const valid = index >= 0 && index < count;
    SetSelection(valid ? index : CListModel::none);
    return valid ? index : CB_ERR;
}

LRESULT ComboBoxWindow::OnDeleteString(WPARAM index) {
    LRESULT const left = ToList(LB_DELETESTRING, index);
    if (!m_edit) {
        SyncText();
        Invalidate();
    }
    return left;
}

void ComboBoxWindow::OnResetContent() {
    ToList(LB_RESETCONTENT);
    if (CWnd * edit = Edit())
        edit->SetWindowText("");
    SyncText();
    Invalidate();
}

LRESULT ComboBoxWindow::OnSetEditSel(LPARAM range) {
    CWnd * edit = Edit();
    if (!edit)
        return CB_ERR;
    auto const start = static_cast<std::intptr_t>(MessageParams::LowInt(range));
    auto const end = static_cast<std::intptr_t>(MessageParams::HighInt(range));
    edit->SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    return TRUE;
}

bool ComboBoxWindow::DropDown(bool byUser) {
    CWnd * wnd = Wnd();
    if (m_dropped || !wnd->IsWindowVisible() || !wnd->IsWindowEnabled())
        return true;
    // The parent may still fill the list when it hears that it opens.
    if (byUser && !Notify(CBN_DROPDOWN))
        return false;
    CWnd * list = List();
    if (m_dropped || !list)
        return true;
    m_droppedIndex = Selection();
    // The list opens at its first entry, scrolled only as far as the selection needs.
    list->MoveWindow(ListRect(), FALSE);
    ToList(LB_SETTOPINDEX, 0);
    ToList(LB_SETCURSEL, MessageParams::FromInt(m_droppedIndex));
    m_dropped = true;
    list->ShowWindow(SW_SHOWNA);
    list->SetCapture();
    Invalidate();
    return true;
}

bool ComboBoxWindow::CloseUp(Close how, int chosen) {
    if (!m_dropped)
        return true;
    HWND const hwnd = m_hwnd;
    m_dropped = false;
    // The list tells of losing the capture; it is no longer open, so that is not a cancel.
    if (CWnd * list = List(); list && CWnd::GetCapture() == list)
        CWnd::ReleaseCapture();
    // A list that took the focus gives it back before it hides, as it stays in the combo box.
    if (CWnd * list = List(); list && CWnd::GetFocus() == list)
        Wnd()->SetFocus();
    if (CWnd * list = List(); list && CWnd::IsWindow(hwnd))
        list->ShowWindow(SW_HIDE);
    if (!CWnd::IsWindow(hwnd))
        return false;
    Invalidate();

    int const before = Selection();
    int after = before;
    if (how == Close::choose && chosen != CListModel::none)
        after = chosen;
    else if (how == Close::cancel)
        after = m_droppedIndex < ToList(LB_GETCOUNT) ? m_droppedIndex : CListModel::none;
    if (after != before)
        SetSelection(after);
    else
        // Takes the highlight of the mouse away; a drop-down keeps the text typed.
        ToList(LB_SETCURSEL, MessageParams::FromInt(before));
    if (how == Close::quiet)
        return true;
    if (!Notify(how == Close::choose ? CBN_SELENDOK : CBN_SELENDCANCEL) || !Notify(CBN_CLOSEUP))
        return false;
    return after == before || Notify(CBN_SELCHANGE);
}

void ComboBoxWindow::GotFocus() {
    if (m_focused)
        return;
    m_focused = true;
    Invalidate();
    Notify(CBN_SETFOCUS);
}

void ComboBoxWindow::LostFocus() {
    if (!m_focused)
        return;
    if (!CloseUp(Close::cancel, CListModel::none))
        return;
    m_focused = false;
    Invalidate();
    Notify(CBN_KILLFOCUS);
}

bool ComboBoxWindow::UserSelect(int index) {
    if (index == Selection()) {
        // Keys over a highlight of the mouse still make the selection the highlight.
        ToList(LB_SETCURSEL, MessageParams::FromInt(index));
        return true;
    }
    SetSelection(index);
    return Notify(CBN_SELCHANGE);
}

void ComboBoxWindow::SetSelection(int index) {
    ToList(LB_SETCURSEL, MessageParams::FromInt(index));
    if (CWnd * edit = Edit()) {
        edit->SetWindowText(EntryText(Selection()));
        if (CWnd::GetFocus() == edit)
            edit->SendMessage(EM_SETSEL, 0, -1);
    }
    SyncText();
    Invalidate();
}

void ComboBoxWindow::EditChanged() {
    CString const text = CurrentText();
    LRESULT const found = ToList(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.GetString()));
    ToList(LB_SETCURSEL, static_cast<WPARAM>(found));
    SyncText();
    Notify(CBN_EDITCHANGE);
}

bool ComboBoxWindow::Notify(UINT code) const {
    // A combo box that is being destroyed tells nothing.
    return CWnd::IsWindow(m_hwnd) && CCtrlWnd::NotifyParent(m_hwnd, code);
}

CWnd * ComboBoxWindow::Wnd() const {
    return CWnd::FromHandle(m_hwnd);
}

CWnd * ComboBoxWindow::List() const {
    return CWnd::IsWindow(m_list) ? CWnd::FromHandle(m_list) : nullptr;
}

CWnd * ComboBoxWindow::Edit() const {
    return CWnd::IsWindow(m_edit) ? CWnd::FromHandle(m_edit) : nullptr;
}

LRESULT ComboBoxWindow::ToList(UINT message, WPARAM wParam, LPARAM lParam) const {
    CWnd * list = List();
    if (list)
        return list->SendMessage(message, wParam, lParam);
    // Without its list (while it is being destroyed) the combo box is empty.
    return message == LB_GETCOUNT ? 0 : LB_ERR;
}

int ComboBoxWindow::Selection() const {
    return static_cast<int>(ToList(LB_GETCURSEL));
}

CString ComboBoxWindow::EntryText(int index) const {
    CString text;
    ToList(LB_GETTEXT, MessageParams::FromInt(index), reinterpret_cast<LPARAM>(&text));
    return text;
}

CString ComboBoxWindow::CurrentText() const {
    if (CWnd * edit = Edit())
        return edit->GetWindowText();
    return EntryText(Selection());
}

void ComboBoxWindow::SyncText() const {
    CString const text = CurrentText();
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
}

bool ComboBoxWindow::IsPartOf(HWND hwnd) const {
    return hwnd && (hwnd == m_hwnd || hwnd == m_edit || hwnd == m_list);
}

CFont const & ComboBoxWindow::Font() const {
    CWnd const * wnd = Wnd();
    CFont const * font = wnd ? wnd->GetFont() : nullptr;
    return font ? *font : CStdTools::FindInstance()->GetCtrlFont();
}

LONG ComboBoxWindow::FieldHeight() const {
    CScreenDC dc;
    dc.Select(Font());
    LONG const line = dc.GetTextExtent("", 0).cy;
    dc.Deselect();
    return line + fieldExtra;
}

void ComboBoxWindow::FitHeight() {
    if (m_fitting)
        return;
    CWnd * wnd = Wnd();
    CRect window = wnd->GetWindowRect();
    if (CWnd * parent = (wnd->GetStyle() & WS_CHILD) ? wnd->GetParent() : nullptr)
        parent->ScreenToClient(window);
    // Any frame of the window's own styles comes on top of the field.
    LONG const field = FieldHeight() + window.Height() - wnd->GetClientRect().Height();
    if (window.Height() > field)
        m_listHeight = window.Height() - field;
    if (window.Height() != field) {
        m_fitting = true;
        wnd->MoveWindow(CRect(window.left, window.top, window.right, window.top + field));
        m_fitting = false;
    }
    if (CWnd * edit = Edit())
        edit->MoveWindow(EditRect());
}

CRect ComboBoxWindow::ButtonRect() const {
    CRect const inner = Wnd()->GetClientRect() - edge;
    LONG const width = std::clamp<LONG>(inner.Width(), 0, ListScrollBar::width);
    return CRect(inner.right - width, inner.top, inner.right, inner.bottom);
}

CRect ComboBoxWindow::EditRect() const {
    CRect const inner = Wnd()->GetClientRect() - edge;
    return CRect(inner.left, inner.top, std::max(inner.left, ButtonRect().left), inner.bottom);
}

CRect ComboBoxWindow::ListRect() const {
    CRect const field = Wnd()->GetWindowRect();
    LONG const rowHeight = std::max<LONG>(1, static_cast<LONG>(ToList(LB_GETITEMHEIGHT)));
    LONG const entries = static_cast<LONG>(ToList(LB_GETCOUNT));
    // Whole rows, as many as the entries need and the room allows, and the list's border.
    LONG const rows = std::clamp<LONG>(entries, 1, ListPage());
    return CRect(field.left, field.bottom, field.right, field.bottom + rows * rowHeight + 2);
}

int ComboBoxWindow::ListPage() const {
    LONG const rowHeight = std::max<LONG>(1, static_cast<LONG>(ToList(LB_GETITEMHEIGHT)));
    return std::max(1, static_cast<int>((m_listHeight - 2) / rowHeight));
}

void ComboBoxWindow::Invalidate() const {
    if (!m_redraw)
        return;
    if (CWnd * wnd = Wnd())
        wnd->Invalidate(FALSE);
}

void ComboBoxWindow::OnPaint() {
    CPaintDC dc(Wnd());
    Paint(dc);
}

void ComboBoxWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd const * wnd = Wnd();
    bool const enabled = wnd->IsWindowEnabled();
    CRect inner = wnd->GetClientRect();
    dc.DrawEdge(inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    CBrush const & back = tools.GetBrush(enabled ? CStdTools::colorWindow : CStdTools::colorFace);
    dc.FillRect(inner, back);

    CRect const button = ButtonRect();
    ListPaint::DrawButtonFace(dc, button, m_dropped);
    ListPaint::DrawArrow(dc, m_dropped ? button + CSize(1, 1) : button, false, enabled);
    if (m_edit)
        return;

    // A drop-down list shows its selected entry; with the focus (and the list closed) it
    // stands highlighted in a focus frame.
    CRect const field = CRect(inner.left, inner.top, button.left, inner.bottom) - 1;
    bool const highlighted = m_focused && !m_dropped && enabled;
    if (highlighted)
        dc.FillRect(field, tools.GetBrush(CStdTools::colorHighlight));
    CString const text = EntryText(Selection());
    if (!text.IsEmpty()) {
        dc.Select(Font());
        dc.SetBkMode(TRANSPARENT);
        CStdTools::Role const ink = !enabled      ? CStdTools::colorGrayText
                                    : highlighted ? CStdTools::colorHighlightText
                                                  : CStdTools::colorText;
        dc.SetTextColor(tools.GetColor(ink));
        CRect box(field.left + 2, field.top, field.right, field.bottom);
        dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        dc.Deselect();
    }
    if (highlighted)
        dc.DrawFocusRect(field);
}
