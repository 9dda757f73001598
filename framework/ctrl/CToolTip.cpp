#include "CToolTip.hpp"

#include "WindowStyles.hpp"
#include "internal/ToolTipWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CToolTip, CCtrlWnd)

namespace {

// A TOOLINFO that names a tool.
TOOLINFO ToolOf(CWnd * wnd, std::uintptr_t id) {
    TOOLINFO info;
    info.cbSize = sizeof(TOOLINFO);
    info.hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    info.uId = id;
    return info;
}

LPARAM Pointer(void const * structure) {
    return reinterpret_cast<LPARAM>(structure);
}

} // namespace

char const * CToolTip::GetWindowClassName() const {
    return WindowClassName();
}

char const * CToolTip::WindowClassName() {
    return ToolTipWindow::Register();
}

LRESULT CToolTip::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    // Queries do not change the object; the window answers them.
    return const_cast<CToolTip *>(this)->SendMessage(message, wParam, lParam);
}

BOOL CToolTip::Create(CWnd * owner, DWORD style) {
    DWORD const kept = ~(WS_CHILD | WS_VISIBLE);
    if (!CreateEx(WS_EX_TOPMOST, WindowClassName(), nullptr, WS_POPUP | (style & kept), CRect(),
                  owner, 0))
        return FALSE;
    SetAutoDelete(TRUE);
    return TRUE;
}

BOOL CToolTip::AddTool(TOOLINFO const & info) {
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, Pointer(&info)));
}

void CToolTip::DelTool(CWnd * wnd, std::uintptr_t id) {
    TOOLINFO const info = ToolOf(wnd, id);
    SendMessage(TTM_DELTOOL, 0, Pointer(&info));
}

void CToolTip::NewToolRect(CWnd * wnd, std::uintptr_t id, CRect const & rect) {
    TOOLINFO info = ToolOf(wnd, id);
    info.rect = rect;
    SendMessage(TTM_NEWTOOLRECT, 0, Pointer(&info));
}

void CToolTip::UpdateTipText(char const * text, CWnd * wnd, std::uintptr_t id) {
    TOOLINFO info = ToolOf(wnd, id);
    info.lpszText = text;
    SendMessage(TTM_UPDATETIPTEXT, 0, Pointer(&info));
}

BOOL CToolTip::GetToolInfo(TOOLINFO & info, CWnd * wnd, std::uintptr_t id) const {
    info.hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    info.uId = id;
    return static_cast<BOOL>(Send(TTM_GETTOOLINFO, 0, Pointer(&info)));
}

int CToolTip::GetToolCount() const {
    return static_cast<int>(Send(TTM_GETTOOLCOUNT));
}

BOOL CToolTip::GetCurrentTool(TOOLINFO & info) const {
    return static_cast<BOOL>(Send(TTM_GETCURRENTTOOL, 0, Pointer(&info)));
}

int CToolTip::SetMaxTipWidth(int width) {
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
}

int CToolTip::GetMaxTipWidth() const {
    return static_cast<int>(Send(TTM_GETMAXTIPWIDTH));
}

BOOL CToolTip::SetTitle(UINT icon, char const * title) {
    return static_cast<BOOL>(SendMessage(TTM_SETTITLE, icon, Pointer(title)));
}

void CToolTip::SetDelayTime(UINT which, int milliseconds) {
    SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(static_cast<unsigned>(milliseconds), 0));
}

int CToolTip::GetDelayTime(UINT which) const {
    return static_cast<int>(Send(TTM_GETDELAYTIME, which));
}

void CToolTip::SetTipBkColor(CColor color) {
    SendMessage(TTM_SETTIPBKCOLOR, color.ToRgb());
}

CColor CToolTip::GetTipBkColor() const {
    return CColor::FromRgb(static_cast<DWORD>(Send(TTM_GETTIPBKCOLOR)));
}

void CToolTip::SetTipTextColor(CColor color) {
    SendMessage(TTM_SETTIPTEXTCOLOR, color.ToRgb());
}

CColor CToolTip::GetTipTextColor() const {
    return CColor::FromRgb(static_cast<DWORD>(Send(TTM_GETTIPTEXTCOLOR)));
}

void CToolTip::Activate(BOOL activate) {
    SendMessage(TTM_ACTIVATE, activate ? TRUE : FALSE);
}

void CToolTip::Pop() {
    SendMessage(TTM_POP);
}

void CToolTip::TrackActivate(BOOL activate, CWnd * wnd, std::uintptr_t id) {
    TOOLINFO const info = ToolOf(wnd, id);
    SendMessage(TTM_TRACKACTIVATE, activate ? TRUE : FALSE, Pointer(&info));
}

void CToolTip::TrackPosition(int x, int y) {
    SendMessage(TTM_TRACKPOSITION, 0,
                MAKELPARAM(static_cast<unsigned>(x), static_cast<unsigned>(y)));
}

void CToolTip::RelayEvent(MSG const * msg) {
    SendMessage(TTM_RELAYEVENT, 0, Pointer(msg));
}
