#include "CButtonParent.hpp"

#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CButtonParent, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CButtonParent, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CButtonParent::OnCommand)
AFX_ON_MESSAGE("T-1L2V", WM_DRAWITEM, &CButtonParent::OnDrawItem)
AFX_END_MESSAGE_MAP()

BOOL CButtonParent::OnCommand(UINT id, UINT code, CWnd & control) {
    m_commands.push_back({id, code});
    if (m_onCommand)
        m_onCommand(id, code, control.GetSafeHwnd());
    return TRUE;
}

void CButtonParent::OnDrawItem(UINT, DRAWITEMSTRUCT & item) {
    m_drawn.push_back(item);
}
