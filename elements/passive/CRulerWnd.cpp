#include "CRulerWnd.hpp"

#include "CDC.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "CWndClass.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_DYNCREATE(CRulerWnd, CCtrlWnd)

AFX_BEGIN_MESSAGE_MAP(CRulerWnd, CCtrlWnd)
AFX_ON_MESSAGE("V-", WM_PAINT, &CRulerWnd::OnPaint)
AFX_END_MESSAGE_MAP()

char const * CRulerWnd::GetWindowClassName() const {
    // The plain window class: the ruler's behaviour is its painting, in its message map.
    return AFX_WNDCLASS;
}

void CRulerWnd::OnPaint() {
    CPaintDC dc(this);
    CStdTools const & tools = *CStdTools::FindInstance();
    dc.Select(tools.GetStdFont());
    dc.SetBkColor(tools.GetColor(CStdTools::colorFace));
    dc.SetTextColor(tools.GetColor(CStdTools::colorText));
    CRect const client = GetClientRect();
    CString const text = GetWindowText();
    CSize const extent = dc.GetTextExtent(text);
    dc.TextOut(client.left, client.top + 4, text);
    CRect rule(client.left + extent.cx + 8, client.top + 4 + extent.cy / 2, client.right,
               client.bottom);
    dc.DrawEdge(rule, EDGE_ETCHED, BF_TOP);
    dc.Deselect();
}
