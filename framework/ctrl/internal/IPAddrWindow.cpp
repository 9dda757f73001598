#include "internal/IPAddrWindow.hpp"
#include "CPaintDC.hpp"

#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CInput.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "IPAddrMessages.hpp"
#include "MessageParams.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"

#include <algorithm>

namespace {

// Registered when the library loads, so that dialogs can create the control by class name.
[[maybe_unused]] char const * const g_registered = IPAddrWindow::Register();

} // namespace

char const * IPAddrWindow::Register() {
    return ControlWindows<IPAddrWindow>::Register(
        "SysIPAddress32", CWndClass::classFocusOnClick | CWndClass::classDoubleClicks);
}

LRESULT IPAddrWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        OnNcCreate(reinterpret_cast<CREATESTRUCT const *>(lParam));
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETTEXT:
        OnSetText(reinterpret_cast<char const *>(lParam));
        return TRUE;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(MessageParams::Point(lParam), (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(MessageParams::Point(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(MessageParams::Point(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        m_dragging = false;
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
    case IPM_CLEARADDRESS:
        OnClearAddress();
        return 0;
    case IPM_SETADDRESS:
        OnSetAddress(static_cast<DWORD>(lParam));
        return 0;
    case IPM_GETADDRESS:
        return OnGetAddress(reinterpret_cast<DWORD *>(lParam));
    case IPM_SETRANGE:
        return OnSetRange(MessageParams::Int(wParam), lParam);
    case IPM_SETFOCUS:
        OnSetFieldFocus(MessageParams::Int(wParam));
        return 0;
    case IPM_ISBLANK:
        return m_model.IsBlank() ? TRUE : FALSE;
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

void IPAddrWindow::OnNcCreate(CREATESTRUCT const * create) {
    char const * text = create ? create->lpszName : nullptr;
    // The control wears the sunken edge of an edit field whatever its creator asked for.
    Wnd()->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    m_model.SetText(text ? text : "");
    SyncText();
}

void IPAddrWindow::OnKeyDown(UINT key) {
    bool const shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_LEFT:
        Report(m_model.MoveCaret(CIPAddrModel::moveLeft, shift));
        break;
    case VK_RIGHT:
        Report(m_model.MoveCaret(CIPAddrModel::moveRight, shift));
        break;
    case VK_HOME:
        Report(m_model.MoveCaret(CIPAddrModel::moveHome, shift));
        break;
    case VK_END:
        Report(m_model.MoveCaret(CIPAddrModel::moveEnd, shift));
        break;
    case VK_BACK:
        Report(m_model.Backspace());
        break;
    case VK_DELETE:
        Report(m_model.Delete());
        break;
    default:
        break;
    }
}

void IPAddrWindow::OnChar(UINT codePoint) {
    Report(m_model.Type(codePoint));
}

void IPAddrWindow::OnLButtonDown(CPoint point, bool extend) {
    int const field = FieldAt(point.x);
    CIPAddrModel::Change const change =
        m_model.PlaceCaret(field, PositionAt(field, point.x), extend);
    HWND const hwnd = m_hwnd;
    m_dragging = true;
    Wnd()->SetCapture();
    if (CWnd::IsWindow(hwnd))
        Report(change);
}

void IPAddrWindow::OnMouseMove(CPoint point) {
    if (!m_dragging)
        return;
    int const field = m_model.GetField();
    m_model.PlaceCaret(field, PositionAt(field, point.x), true);
    Invalidate();
}

void IPAddrWindow::OnLButtonUp() {
    EndDrag();
}

void IPAddrWindow::OnLButtonDblClk(CPoint point) {
    Report(m_model.EnterField(FieldAt(point.x)));
}

void IPAddrWindow::OnSetFocus() {
    m_focused = true;
    m_model.EnterField(m_model.GetField());
    Invalidate();
    CCtrlWnd::NotifyParent(m_hwnd, EN_SETFOCUS);
}

void IPAddrWindow::OnKillFocus() {
    m_focused = false;
    EndDrag();
    HWND const hwnd = m_hwnd;
    // A control that is being destroyed has nothing more to say.
    if (!CWnd::IsWindow(hwnd))
        return;
    if (Report(m_model.Leave()))
        CCtrlWnd::NotifyParent(hwnd, EN_KILLFOCUS);
}

void IPAddrWindow::OnSetText(char const * text) {
    m_model.SetText(text ? text : "");
    SyncText();
    Invalidate();
}

void IPAddrWindow::OnSetAddress(DWORD address) {
    m_model.SetAddress(address);
    SyncText();
    Invalidate();
}

LRESULT IPAddrWindow::OnGetAddress(DWORD * address) const {
    DWORD value = 0;
    int const filled = m_model.GetAddress(value);
    if (address)
        *address = value;
    return filled;
}

void IPAddrWindow::OnClearAddress() {
    m_model.Clear();
    SyncText();
    Invalidate();
}

LRESULT IPAddrWindow::OnSetRange(int field, LPARAM range) {
    auto const bits = static_cast<std::uintptr_t>(range);
    return m_model.SetRange(field, static_cast<BYTE>(bits & 0xFF), static_cast<BYTE>(bits >> 8))
               ? TRUE
               : FALSE;
}

void IPAddrWindow::OnSetFieldFocus(int field) {
    if (field < 0 || field >= CIPAddrModel::fieldCount) {
        field = 0;
        for (int i = CIPAddrModel::fieldCount - 1; i >= 0; --i)
            if (m_model.GetFieldValue(i) == CIPAddrModel::blank)
                field = i;
    }
    // The program's move: a field it leaves is clamped without a word to the parent.
    if (m_model.EnterField(field).changed)
        SyncText();
    Invalidate();
    if (!m_focused)
        Wnd()->SetFocus();
}

bool IPAddrWindow::Report(CIPAddrModel::Change change) {
    HWND const hwnd = m_hwnd;
    if (change.changed)
        SyncText();
    Invalidate();
    if (change.changed && !CCtrlWnd::NotifyParent(hwnd, EN_CHANGE))
        return false;
    if (change.fieldChanged < 0)
        return true;
    NMIPADDRESS note;
    note.hdr.code = IPN_FIELDCHANGED;
    note.iField = change.fieldChanged;
    note.iValue = m_model.GetFieldValue(change.fieldChanged);
    int const value = note.iValue;
    CCtrlWnd::NotifyParent(hwnd, note.hdr);
    if (!CWnd::IsWindow(hwnd))
        return false;
    BYTE low = 0;
    BYTE high = 255;
    m_model.GetRange(change.fieldChanged, low, high);
    if (note.iValue != value && note.iValue >= low && note.iValue <= high) {
        m_model.SetFieldValue(change.fieldChanged, note.iValue);
        SyncText();
        Invalidate();
    }
    return true;
}

void IPAddrWindow::EndDrag() {
    if (!m_dragging)
        return;
    m_dragging = false;
    if (CWnd::GetCapture() == Wnd())
        CWnd::ReleaseCapture();
}

CWnd * IPAddrWindow::Wnd() const {
    return CWnd::FromHandle(m_hwnd);
}

LONG IPAddrWindow::Width(std::string const & text) const {
    CFont const * font = Wnd()->GetFont();
    CScreenDC dc;
    dc.Select(font ? *font : CStdTools::FindInstance()->GetStdFont());
    LONG const width = dc.GetTextExtent(text.c_str(), static_cast<UINT>(text.size())).cx;
    dc.Deselect();
    return width;
}

CRect IPAddrWindow::Client() const {
    return Wnd()->GetClientRect();
}

CRect IPAddrWindow::Cell(int field) const {
    CRect const client = Client();
    LONG const width = client.Width() / CIPAddrModel::fieldCount;
    LONG const left = client.left + width * field;
    LONG const right = field == CIPAddrModel::fieldCount - 1 ? client.right : left + width;
    return CRect(left, client.top, right, client.bottom);
}

int IPAddrWindow::FieldAt(int x) const {
    for (int field = 0; field < CIPAddrModel::fieldCount - 1; ++field)
        if (x < Cell(field).right)
            return field;
    return CIPAddrModel::fieldCount - 1;
}

int IPAddrWindow::TextOrigin(int field) const {
    CRect const cell = Cell(field);
    return cell.left + (cell.Width() - Width(m_model.GetFieldText(field))) / 2;
}

UINT IPAddrWindow::PositionAt(int field, int x) const {
    std::string const & text = m_model.GetFieldText(field);
    int const origin = TextOrigin(field);
    UINT best = 0;
    LONG bestDistance = -1;
    for (UINT pos = 0; pos <= text.size(); ++pos) {
        LONG const at = origin + Width(text.substr(0, pos));
        LONG const distance = at > x ? at - x : x - at;
        if (bestDistance < 0 || distance < bestDistance) {
            best = pos;
            bestDistance = distance;
        }
    }
    return best;
}

void IPAddrWindow::Invalidate() const {
    if (CWnd * wnd = Wnd())
        wnd->Invalidate(FALSE);
}

void IPAddrWindow::SyncText() const {
    std::string const text = m_model.GetText();
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void IPAddrWindow::OnPaint() {
    CPaintDC dc(Wnd());
    Paint(dc);
}

void IPAddrWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd const * wnd = Wnd();
    bool const enabled = wnd->IsWindowEnabled();
    CRect const client = Client();
    dc.FillRect(client, tools.GetBrush(enabled ? CStdTools::colorWindow : CStdTools::colorFace));

    CFont const * font = wnd->GetFont();
    dc.Select(font ? *font : tools.GetStdFont());
    dc.SetBkMode(TRANSPARENT);
    LONG const line = dc.GetTextExtent("", 0).cy;
    int const top = client.top + (client.Height() - line) / 2;
    CColor const ink = tools.GetColor(enabled ? CStdTools::colorText : CStdTools::colorGrayText);
    dc.SetTextColor(ink);

    // The dots sit on the borders between the fields' cells.
    LONG const dot = Width(".");
    for (int field = 0; field + 1 < CIPAddrModel::fieldCount; ++field)
        dc.TextOut(Cell(field).right - dot / 2, top, ".");

    for (int field = 0; field < CIPAddrModel::fieldCount; ++field) {
        std::string const & text = m_model.GetFieldText(field);
        int const origin = TextOrigin(field);
        bool const current = m_focused && field == m_model.GetField();
        UINT const start = m_model.GetSelStart();
        UINT const end = m_model.GetSelEnd();
        if (!current || start == end) {
            dc.TextOut(origin, top, text.c_str());
            continue;
        }
        // The selection of the caret's field, in the highlight colours.
        std::string const before = text.substr(0, start);
        std::string const selected = text.substr(start, end - start);
        std::string const after = text.substr(end);
        dc.TextOut(origin, top, before.c_str());
        int const x = origin + Width(before);
        int const width = Width(selected);
        dc.FillRect(CRect(x, top, x + width, top + line),
                    tools.GetBrush(CStdTools::colorHighlight));
        dc.SetTextColor(tools.GetColor(CStdTools::colorHighlightText));
        dc.TextOut(x, top, selected.c_str());
        dc.SetTextColor(ink);
        dc.TextOut(x + width, top, after.c_str());
    }

    if (m_focused) {
        int const field = m_model.GetField();
        std::string const & text = m_model.GetFieldText(field);
        int const x = TextOrigin(field) + Width(text.substr(0, m_model.GetCaret()));
        dc.FillRect(CRect(x, top, x + 1, top + line), tools.GetBrush(CStdTools::colorText));
    }
    dc.Deselect();
}
