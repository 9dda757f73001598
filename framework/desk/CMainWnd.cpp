#include "CMainWnd.hpp"

#include "CThread.hpp"
#include "CViewWnd.hpp"
#include "WinMessages.hpp"
#include "WindowStyles.hpp"

#include <vector>

AFX_IMPLEMENT_DYNCREATE(CMainWnd, CWnd)

namespace {

// The views below a window in the order the balloon-mode change reaches them.
void CollectViews(CWnd const & parent, std::vector<HWND> & views) {
    for (UINT i = 0; i < parent.GetChildCount(); ++i) {
        CWnd const * child = parent.GetChild(i);
        if (!child)
            continue;
        if (child->IsKindOf(CViewWnd::AfxStaticClassInfo()))
            views.push_back(child->GetSafeHwnd());
        CollectViews(*child, views);
    }
}

} // namespace

BOOL CMainWnd::Create(char const * title, CRect const & rect, DWORD style) {
    if (!CWnd::Create(nullptr, title,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | style, rect,
                      nullptr, 0))
        return FALSE;
    CThread * thread = CThread::FindInstance();
    if (!thread->GetMainWnd())
        thread->SetMainWnd(this);
    return TRUE;
}

void CMainWnd::SetBalloonMode(UINT mode) {
    if (mode == m_balloonMode)
        return;
    m_balloonMode = mode;
    if (!IsWindow())
        return;
    std::vector<HWND> views;
    CollectViews(*this, views);
    // A view's handler may destroy other views; those that are gone are skipped.
    for (HWND view : views)
        if (CWnd * wnd = CWnd::FromHandle(view); wnd && CWnd::IsWindow(view))
            wnd->SendMessage(WM_AFX_COMMAND, ID_VIEW_BALLOONMODE, 0);
}
