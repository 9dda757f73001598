#include "internal/StaticWindow.hpp"
#include "CPaintDC.hpp"

#include "ButtonMessages.hpp"
#include "CCtrlWnd.hpp"
#include "CDC.hpp"
#include "CStdTools.hpp"
#include "CWnd.hpp"
#include "CWndClass.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"
#include "internal/StaticText.hpp"

#include <string>
#include <string_view>

namespace StaticWindow {

namespace {

// The text as drawn with a word ellipsis: each line fitted on its own.
std::string FitLines(CDC & dc, std::string_view text, LONG width, UINT flags) {
    std::string fitted;
    std::size_t start = 0;
    while (true) {
        std::size_t const end = text.find('\n', start);
        std::string_view const line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        fitted += StaticText::WordEllipsis(dc, line, width, flags);
        if (end == std::string_view::npos)
            break;
        fitted += '\n';
        start = end + 1;
    }
    return fitted;
}

void OnLButtonDown(HWND hwnd, CWnd & wnd) {
    if ((wnd.GetStyle() & SS_NOTIFY) && wnd.IsWindowEnabled())
        CCtrlWnd::NotifyParent(hwnd, STN_CLICKED);
}

void OnPaint(CWnd & wnd) {
    // A device context for the static's client area.
    CPaintDC dc(&wnd);
    CStdTools const & tools = *CStdTools::FindInstance();
    CRect client = wnd.GetClientRect();
    if (client.IsEmpty())
        return;
    auto const * font = reinterpret_cast<CFont const *>(wnd.SendMessage(WM_GETFONT));
    dc.Select(font ? *font : tools.GetStdFont());
    dc.FillRect(client, tools.GetBrush(CStdTools::colorFace));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(
        tools.GetColor(wnd.IsWindowEnabled() ? CStdTools::colorText : CStdTools::colorGrayText));
    CString const text = wnd.GetWindowText();
    UINT flags = StaticText::DrawFlags(wnd.GetStyle());
    if (flags & DT_WORD_ELLIPSIS) {
        flags &= ~DT_WORD_ELLIPSIS;
        std::string const fitted = FitLines(dc, text.Str(), client.Width(), flags);
        dc.DrawText(fitted.c_str(), client, flags);
    } else {
        dc.DrawText(text, client, flags);
    }
    dc.Deselect();
}

} // namespace

char const * ClassName() {
    static CWndClass const * cls = CWndClass::Register("static", &Procedure, 0);
    return cls->GetName();
}

LRESULT Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd * wnd = CWnd::FromHandle(hwnd);
    if (!wnd)
        return DefWindowProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        // Labels let clicks through unless the program asked to hear them.
        return (wnd->GetStyle() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        OnLButtonDown(hwnd, *wnd);
        return 0;
    case WM_ENABLE:
        wnd->Invalidate(TRUE);
        return 0;
    case WM_PAINT:
        OnPaint(*wnd);
        return DefWindowProc(hwnd, message, wParam, lParam);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// Dialog templates name the class without touching CStatic: register it when the library
// is loaded.
[[maybe_unused]] char const * const registered = ClassName();

} // namespace StaticWindow
