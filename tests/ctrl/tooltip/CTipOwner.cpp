#include "CTipOwner.hpp"

#include "WinMessages.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CTipOwner, CWnd, &CWnd::AfxConstruct)

AFX_BEGIN_MESSAGE_MAP(CTipOwner, CWnd)
AFX_ON_MESSAGE("L-5L2V", WM_NOTIFY, &CTipOwner::OnNotify)
AFX_END_MESSAGE_MAP()

LRESULT CTipOwner::OnNotify(UINT id, NMHDR & header) {
    std::string line = header.code == TTN_SHOW  ? "show "
                       : header.code == TTN_POP ? "pop "
                                                : "other ";
    line += std::to_string(id);
    if (header.hwndFrom != m_tooltip || header.idFrom != id)
        line += " from another";
    m_heard.push_back(line);
    if (header.code != TTN_SHOW)
        return 0;
    CWnd * tip = CWnd::FromHandle(header.hwndFrom);
    m_visibleAtShow = tip && (tip->GetStyle() & WS_VISIBLE);
    m_rectAtShow = tip ? tip->GetWindowRect() : CRect();
    return m_onShow ? m_onShow(header) : 0;
}
