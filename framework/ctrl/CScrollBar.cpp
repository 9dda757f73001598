#include "CScrollBar.hpp"

#include "MessageParams.hpp"
#include "internal/ScrollBarLayout.hpp"
#include "internal/ScrollBarWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CScrollBar, CCtrlWnd)

namespace {

// Sends through a const object: the queries change nothing.
LRESULT Query(CScrollBar const & bar, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return const_cast<CScrollBar &>(bar).SendMessage(message, wParam, lParam);
}

} // namespace

char const * CScrollBar::GetWindowClassName() const {
    return WindowClassName();
}

char const * CScrollBar::WindowClassName() {
    return ScrollBarWindow::Register();
}

int CScrollBar::SetScrollPos(int pos, BOOL redraw) {
    return static_cast<int>(
        SendMessage(SBM_SETPOS, MessageParams::FromInt(pos), redraw ? TRUE : FALSE));
}

int CScrollBar::GetScrollPos() const {
    return static_cast<int>(Query(*this, SBM_GETPOS));
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw) {
    SendMessage(redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, MessageParams::FromInt(minPos),
                static_cast<LPARAM>(MessageParams::FromInt(maxPos)));
}

void CScrollBar::GetScrollRange(int & minPos, int & maxPos) const {
    Query(*this, SBM_GETRANGE, reinterpret_cast<WPARAM>(&minPos),
          reinterpret_cast<LPARAM>(&maxPos));
}

int CScrollBar::GetScrollLimit() const {
    SCROLLINFO info;
    GetScrollInfo(info, SIF_RANGE | SIF_PAGE);
    ScrollRange range;
    range.SetRange(info.nMin, info.nMax);
    range.SetPage(info.nPage);
    return range.Limit();
}

BOOL CScrollBar::SetScrollInfo(SCROLLINFO const & info, BOOL redraw) {
    if (!IsWindow())
        return FALSE;
    SendMessage(SBM_SETSCROLLINFO, redraw ? TRUE : FALSE, reinterpret_cast<LPARAM>(&info));
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(SCROLLINFO & info, UINT mask) const {
    info.fMask = mask;
    return Query(*this, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)) ? TRUE : FALSE;
}

BOOL CScrollBar::GetScrollBarInfo(SCROLLBARINFO & info) const {
    return Query(*this, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(&info)) ? TRUE : FALSE;
}
