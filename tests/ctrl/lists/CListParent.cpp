#include "CListParent.hpp"

#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CListParent, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CListParent, CWnd)
AFX_ON_MESSAGE("C-5W6W2w", WM_COMMAND, &CListParent::OnCommand)
AFX_END_MESSAGE_MAP()

BOOL CListParent::OnCommand(UINT id, UINT code, CWnd &) {
    m_commands.push_back({id, code});
    if (m_onCommand)
        m_onCommand(id, code);
    return TRUE;
}
