#include "CPreviewFrame.hpp"

#include "CViewWnd.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CPreviewFrame, CMainWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CPreviewFrame, CMainWnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CPreviewFrame::OnSize)
AFX_ON_MESSAGE("V-2V", WM_GETMINMAXINFO, &CPreviewFrame::OnGetMinMaxInfo)
AFX_END_MESSAGE_MAP()

BOOL CPreviewFrame::Create(char const * title, CSize size, CViewWnd * view) {
    if (!CMainWnd::Create(title, CRect(CPoint(0, 0), size)) ||
        !view->Create(this, GetClientRect(), 1)) {
        // A view that never got a window is not its window's to delete.
        if (!view->IsWindow())
            delete view;
        return FALSE;
    }
    m_view = view;
    return TRUE;
}

void CPreviewFrame::OnSize(UINT, CSize size) {
    if (m_view && m_view->IsWindow())
        m_view->MoveWindow(CRect(CPoint(0, 0), size));
}

void CPreviewFrame::OnGetMinMaxInfo(MINMAXINFO & info) {
    if (m_view && m_view->IsWindow())
        m_view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
}
