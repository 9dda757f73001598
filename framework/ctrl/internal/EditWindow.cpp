#include "internal/EditWindow.hpp"
#include "CPaintDC.hpp"

#include "CClipboard.hpp"
#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CInput.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "EditMessages.hpp"
#include "MessageParams.hpp"
#include "Utf8.hpp"
#include "VirtualKeys.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/ControlWindows.hpp"
#include "internal/EditText.hpp"

#include <algorithm>

namespace {

bool IsDown(UINT key) {
    return GetKeyState(key) < 0;
}

// Registered when the library loads, so that dialogs can create edits by class name.
[[maybe_unused]] char const * const g_registered = EditWindow::Register();

} // namespace

char const * EditWindow::Register() {
    return ControlWindows<EditWindow>::Register("edit", CWndClass::classFocusOnClick |
                                                            CWndClass::classDoubleClicks);
}

LRESULT EditWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        OnNcCreate(reinterpret_cast<CREATESTRUCT const *>(lParam));
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        OnSetText(reinterpret_cast<char const *>(lParam));
        return TRUE;
    case WM_GETTEXT:
        if (auto * text = reinterpret_cast<CString *>(lParam))
            *text = m_model.GetText().c_str();
        return m_model.GetLength();
    case WM_GETTEXTLENGTH:
        return m_model.GetLength();
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown(MessageParams::Point(lParam).x, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(MessageParams::Point(lParam).x);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(MessageParams::Point(lParam).x);
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
    case WM_SETFONT: {
        LRESULT const result = DefWindowProc(m_hwnd, message, wParam, lParam);
        ClampScroll();
        return result;
    }
    case WM_SIZE:
    case WM_ENABLE:
        ClampScroll();
        Invalidate();
        return 0;
    case WM_ERASEBKGND:
        // The whole client area is painted by WM_PAINT.
        return TRUE;
    case WM_PAINT:
        // A device context in wParam is painted into instead of the window.
        OnPaint(reinterpret_cast<CDC *>(wParam));
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        Changed(m_model.Clear());
        return 0;
    case EM_GETSEL:
        return OnGetSel(wParam, lParam);
    case EM_SETSEL:
        m_model.Select(MessageParams::Int(wParam),
                       MessageParams::Int(static_cast<std::uintptr_t>(lParam)));
        Invalidate();
        return 0;
    case EM_SCROLLCARET:
        ScrollToCaret();
        Invalidate();
        return TRUE;
    case EM_GETMODIFY:
        return m_model.IsModified() ? TRUE : FALSE;
    case EM_SETMODIFY:
        m_model.SetModified(wParam != 0);
        return 0;
    case EM_REPLACESEL: {
        auto const * text = reinterpret_cast<char const *>(lParam);
        bool const canUndo = wParam != 0;
        HWND const hwnd = m_hwnd;
        Insert(text ? text : "", Insertion::replace);
        if (!canUndo && CWnd::IsWindow(hwnd))
            m_model.EmptyUndo();
        return 0;
    }
    case EM_LIMITTEXT:
        m_model.SetLimit(wParam > 0xFFFFFFFFu ? 0 : static_cast<UINT>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return m_model.GetLimit();
    case EM_CANUNDO:
        return m_model.CanUndo() ? TRUE : FALSE;
    case EM_UNDO: {
        CEditModel::Change const change = m_model.Undo();
        Changed(change);
        return change.changed ? TRUE : FALSE;
    }
    case EM_EMPTYUNDOBUFFER:
        m_model.EmptyUndo();
        return 0;
    case EM_SETPASSWORDCHAR: {
        m_model.SetPasswordChar(static_cast<UINT>(wParam));
        CWnd * wnd = CWnd::FromHandle(m_hwnd);
        if (wParam)
            wnd->ModifyStyle(0, ES_PASSWORD);
        else
            wnd->ModifyStyle(ES_PASSWORD, 0);
        ClampScroll();
        Invalidate();
        return 0;
    }
    case EM_GETPASSWORDCHAR:
        return m_model.GetPasswordChar();
    case EM_SETREADONLY: {
        m_model.SetReadOnly(wParam != 0);
        CWnd * wnd = CWnd::FromHandle(m_hwnd);
        if (wParam)
            wnd->ModifyStyle(0, ES_READONLY);
        else
            wnd->ModifyStyle(ES_READONLY, 0);
        Invalidate();
        return TRUE;
    }
    default:
        return DefWindowProc(m_hwnd, message, wParam, lParam);
    }
}

void EditWindow::OnNcCreate(CREATESTRUCT const * create) {
    char const * text = create ? create->lpszName : nullptr;
    DWORD const style = Style();
    m_model.SetText(text ? text : "");
    m_model.SetReadOnly((style & ES_READONLY) != 0);
    if (style & ES_PASSWORD)
        m_model.SetPasswordChar(CEditModel::defaultPasswordChar);
}

void EditWindow::OnSetText(char const * text) {
    m_model.SetText(text ? text : "");
    m_model.SetModified(false);
    m_model.EmptyUndo();
    m_scroll = 0;
    SyncText();
    Invalidate();
}

void EditWindow::OnKeyDown(UINT key) {
    bool const shift = IsDown(VK_SHIFT);
    bool const control = IsDown(VK_CONTROL);
    switch (key) {
    case VK_LEFT:
        m_model.MoveCaret(control ? CEditModel::moveWordLeft : CEditModel::moveLeft, shift);
        Moved();
        break;
    case VK_RIGHT:
        m_model.MoveCaret(control ? CEditModel::moveWordRight : CEditModel::moveRight, shift);
        Moved();
        break;
    case VK_HOME:
        m_model.MoveCaret(CEditModel::moveHome, shift);
        Moved();
        break;
    case VK_END:
        m_model.MoveCaret(CEditModel::moveEnd, shift);
        Moved();
        break;
    case VK_BACK:
        Changed(control ? m_model.DeleteWordBefore() : m_model.Backspace());
        break;
    case VK_DELETE:
        if (shift)
            Cut();
        else
            Changed(control ? m_model.DeleteWordAfter() : m_model.Delete());
        break;
    case VK_INSERT:
        if (control)
            Copy();
        else if (shift)
            Paste();
        break;
    default:
        if (!control)
            break;
        switch (key) {
        case 'A':
            m_model.SelectAll();
            Moved();
            break;
        case 'C':
            Copy();
            break;
        case 'X':
            Cut();
            break;
        case 'V':
            Paste();
            break;
        case 'Z':
            Changed(m_model.Undo());
            break;
        default:
            break;
        }
        break;
    }
}

void EditWindow::OnChar(UINT codePoint) {
    if (EditText::IsPrintable(codePoint))
        Insert(Utf8::Encode(codePoint), Insertion::typed);
}

void EditWindow::OnButtonDown(int x, bool extend) {
    m_model.PlaceCaret(PositionFromPoint(x, true), extend);
    m_dragging = true;
    CWnd::FromHandle(m_hwnd)->SetCapture();
    Moved();
}

void EditWindow::OnMouseMove(int x) {
    if (!m_dragging)
        return;
    m_model.PlaceCaret(PositionFromPoint(x, true), true);
    Moved();
}

void EditWindow::OnButtonUp() {
    if (!m_dragging)
        return;
    m_dragging = false;
    if (CWnd::GetCapture() && CWnd::GetCapture()->GetSafeHwnd() == m_hwnd)
        CWnd::ReleaseCapture();
}

void EditWindow::OnDoubleClick(int x) {
    m_model.SelectWordAt(PositionFromPoint(x, false));
    Moved();
}

void EditWindow::OnSetFocus() {
    m_focused = true;
    Invalidate();
    CCtrlWnd::NotifyParent(m_hwnd, EN_SETFOCUS);
}

void EditWindow::OnKillFocus() {
    m_focused = false;
    if (m_dragging)
        OnButtonUp();
    Invalidate();
    CCtrlWnd::NotifyParent(m_hwnd, EN_KILLFOCUS);
}

LRESULT EditWindow::OnGetSel(WPARAM wParam, LPARAM lParam) const {
    UINT const start = m_model.GetSelStart();
    UINT const end = m_model.GetSelEnd();
    if (auto * out = reinterpret_cast<DWORD *>(wParam))
        *out = start;
    if (auto * out = reinterpret_cast<DWORD *>(lParam))
        *out = end;
    return MAKELPARAM(start, end);
}

void EditWindow::Insert(std::string text, Insertion how) {
    if (how != Insertion::replace && m_model.IsReadOnly())
        return;
    if (how == Insertion::pasted)
        text.resize(std::min(text.find_first_of("\r\n"), text.size()));
    DWORD const style = Style();
    if (style & ES_UPPERCASE)
        text = EditText::ToUpperAscii(text);
    else if (style & ES_LOWERCASE)
        text = EditText::ToLowerAscii(text);

    // Without ES_AUTOHSCROLL the text may not grow beyond the width of the control.
    bool narrowed = false;
    if (!(style & ES_AUTOHSCROLL)) {
        std::string const before = m_model.GetDisplayText(0, m_model.GetSelStart());
        std::string const after = m_model.GetDisplayText(m_model.GetSelEnd(), m_model.GetLength());
        LONG const room = TextRect().Width();
        std::size_t fits = 0;
        while (fits < text.size()) {
            std::size_t const next = Utf8::Next(text, fits);
            if (Width(before + Shown(std::string_view(text).substr(0, next)) + after) > room)
                break;
            fits = next;
        }
        narrowed = fits < text.size();
        text.resize(fits);
    }

    CEditModel::Change change;
    switch (how) {
    case Insertion::typed:
        change = m_model.Type(text);
        break;
    case Insertion::pasted:
        change = m_model.Paste(text);
        break;
    case Insertion::replace:
        change = m_model.ReplaceSelection(text);
        break;
    }
    change.limitHit = change.limitHit || narrowed;
    Changed(change);
}

void EditWindow::Cut() {
    std::string text;
    CEditModel::Change const change = m_model.Cut(text);
    if (change.changed)
        CClipboard::SetText(text.c_str());
    Changed(change);
}

void EditWindow::Copy() {
    std::string text;
    if (m_model.Copy(text))
        CClipboard::SetText(text.c_str());
}

void EditWindow::Paste() {
    if (CClipboard::HasText())
        Insert(CClipboard::GetText().Str(), Insertion::pasted);
}

void EditWindow::Changed(CEditModel::Change change) {
    HWND const hwnd = m_hwnd;
    if (change.changed) {
        SyncText();
        ScrollToCaret();
    }
    Invalidate();
    // From here this object may be gone: each notification can destroy the window.
    if (change.changed &&
        (!CCtrlWnd::NotifyParent(hwnd, EN_UPDATE) || !CCtrlWnd::NotifyParent(hwnd, EN_CHANGE)))
        return;
    if (change.limitHit)
        CCtrlWnd::NotifyParent(hwnd, EN_MAXTEXT);
}

void EditWindow::Moved() {
    ScrollToCaret();
    Invalidate();
}

DWORD EditWindow::Style() const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    return wnd ? wnd->GetStyle() : 0;
}

std::string EditWindow::Shown(std::string_view text) const {
    if (!m_model.IsPassword())
        return std::string(text);
    std::string const one = Utf8::Encode(m_model.GetPasswordChar());
    std::string shown;
    for (std::size_t count = EditText::CountCodePoints(text); count > 0; --count)
        shown += one;
    return shown;
}

LONG EditWindow::Width(std::string const & shown) const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    CFont const * font = wnd ? wnd->GetFont() : nullptr;
    CScreenDC dc;
    dc.Select(font ? *font : CStdTools::FindInstance()->GetStdFont());
    LONG const width = dc.GetTextExtent(shown.c_str(), static_cast<UINT>(shown.size())).cx;
    dc.Deselect();
    return width;
}

CRect EditWindow::Client() const {
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    return wnd ? wnd->GetClientRect() : CRect();
}

CRect EditWindow::TextRect() const {
    CRect rect = Client();
    rect.left += margin;
    rect.right = std::max(rect.left, rect.right - margin);
    return rect;
}

int EditWindow::TextOrigin() const {
    CRect const area = TextRect();
    LONG const free = area.Width() - Width(m_model.GetDisplayText());
    int shift = 0;
    if (free > 0) {
        DWORD const style = Style();
        if (style & ES_RIGHT)
            shift = free;
        else if (style & ES_CENTER)
            shift = free / 2;
    }
    return area.left + shift - m_scroll;
}

UINT EditWindow::PositionFromPoint(int x, bool nearest) const {
    std::string const & text = m_model.GetText();
    int const offset = x - TextOrigin();
    std::size_t best = 0;
    LONG bestDistance = -1;
    for (std::size_t pos = 0;; pos = Utf8::Next(text, pos)) {
        LONG const at = Width(m_model.GetDisplayText(0, static_cast<UINT>(pos)));
        if (!nearest) {
            // The start of the character the point lies on.
            if (at > offset && pos > 0)
                return static_cast<UINT>(Utf8::Previous(text, pos));
            best = pos;
        } else {
            LONG const distance = at > offset ? at - offset : offset - at;
            if (bestDistance < 0 || distance < bestDistance) {
                best = pos;
                bestDistance = distance;
            }
            if (at > offset)
                break;
        }
        if (pos >= text.size())
            break;
    }
    return static_cast<UINT>(best);
}

void EditWindow::ScrollToCaret() {
    LONG const room = TextRect().Width();
    LONG const caret = Width(m_model.GetDisplayText(0, m_model.GetCaret()));
    if (caret - m_scroll > room)
        m_scroll = caret - room;
    if (caret < m_scroll)
        m_scroll = caret;
    ClampScroll();
}

void EditWindow::ClampScroll() {
    LONG const most = Width(m_model.GetDisplayText()) - TextRect().Width();
    m_scroll = std::max(0, std::min<int>(m_scroll, most));
}

void EditWindow::Invalidate() const {
    if (CWnd * wnd = CWnd::FromHandle(m_hwnd))
        wnd->Invalidate(FALSE);
}

void EditWindow::SyncText() const {
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_model.GetText().c_str()));
}

void EditWindow::OnPaint(CDC * dc) {
    if (dc) {
        Paint(*dc);
        return;
    }
    CPaintDC paint(CWnd::FromHandle(m_hwnd));
    Paint(paint);
}

void EditWindow::Paint(CDC & dc) const {
    CStdTools const & tools = *CStdTools::FindInstance();
    CWnd const * wnd = CWnd::FromHandle(m_hwnd);
    bool const enabled = wnd->IsWindowEnabled();
    CBrush const & back = tools.GetBrush(enabled && !m_model.IsReadOnly() ? CStdTools::colorWindow
                                                                          : CStdTools::colorFace);
    CRect const client = Client();
    dc.FillRect(client, back);

    CFont const * font = wnd->GetFont();
    dc.Select(font ? *font : tools.GetStdFont());
    dc.SetBkMode(TRANSPARENT);
    LONG const line = dc.GetTextExtent("", 0).cy;
    int const top = client.top + (client.Height() - line) / 2;
    int const origin = TextOrigin();
    CColor const ink = tools.GetColor(enabled ? CStdTools::colorText : CStdTools::colorGrayText);

    // The text in up to three parts: before, inside and after the selection, which shows
    // only while the control has the focus (always with ES_NOHIDESEL).
    UINT const start = m_model.GetSelStart();
    UINT const end = m_model.GetSelEnd();
    bool const selection = start != end && enabled && (m_focused || (Style() & ES_NOHIDESEL));
    std::string const before = m_model.GetDisplayText(0, selection ? start : m_model.GetLength());
    dc.SetTextColor(ink);
    dc.TextOut(origin, top, before.c_str());
    if (selection) {
        std::string const selected = m_model.GetDisplayText(start, end);
        std::string const after = m_model.GetDisplayText(end, m_model.GetLength());
        int const x = origin + Width(before);
        int const width = Width(selected);
        dc.FillRect(CRect(x, top, x + width, top + line),
                    tools.GetBrush(CStdTools::colorHighlight));
        dc.SetTextColor(tools.GetColor(CStdTools::colorHighlightText));
        dc.TextOut(x, top, selected.c_str());
        dc.SetTextColor(ink);
        dc.TextOut(x + width, top, after.c_str());
    }
    // Text scrolled beyond the text area does not show in the margins.
    dc.FillRect(CRect(client.left, client.top, client.left + margin, client.bottom), back);
    dc.FillRect(CRect(client.right - margin, client.top, client.right, client.bottom), back);

    if (m_focused) {
        int const x = origin + Width(m_model.GetDisplayText(0, m_model.GetCaret()));
        dc.FillRect(CRect(x, top, x + 1, top + line), tools.GetBrush(CStdTools::colorText));
    }
    dc.Deselect();
}
