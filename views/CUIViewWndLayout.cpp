// Laying the view's page out, its size limits and its painting.
#include "CUIViewWnd.hpp"

#include "CClientDC.hpp"
#include "CDC.hpp"
#include "CEntity.hpp"
#include "CLayFormation.hpp"
#include "CPaintDC.hpp"
#include "CStdTools.hpp"
#include "CUIElement.hpp"
#include "CUserException.hpp"
#include "VantorUIModule.hpp"

namespace {

constexpr UINT idsWindowTooSmall = 0x4005;

} // namespace

void CUIViewWnd::LayoutUI() {
    try {
        CClientDC dc(this);
        m_root->Prepare(dc);
        m_root->SetRect(GetUIRect());
        if (!m_fits) {
            for (UINT i = 0; i < m_elements.GetCount(); ++i)
                m_elements[i]->ShowUI(TRUE);
            m_fits = TRUE;
        }
    } catch (CUserException const &) {
        if (m_fits) {
            for (UINT i = 0; i < m_elements.GetCount(); ++i)
                m_elements[i]->ShowUI(FALSE);
            m_fits = FALSE;
        }
        Invalidate(TRUE);
    }
}

void CUIViewWnd::MoveUI() {
    for (UINT i = 0; i < m_elements.GetCount(); ++i)
        m_elements[i]->MoveUI();
}

void CUIViewWnd::OnSize(UINT, CSize) {
    if (!m_root)
        return;
    LayoutUI();
    MoveUI();
    HideToolTip();
    MoveToolTips();
}

void CUIViewWnd::OnGetMinMaxInfo(MINMAXINFO & info) {
    if (!m_root)
        return;
    CSize const min = m_root->GetMinSize();
    CSize const max = m_root->GetMaxSize();
    LONG const dx = m_border.left + m_border.right;
    LONG const dy = m_border.top + m_border.bottom;
    info.ptMinTrackSize = CPoint(min.cx + dx, min.cy + dy);
    info.ptMaxTrackSize = CPoint(max.cx + dx, max.cy + dy);
}

BOOL CUIViewWnd::OnEraseBkGnd(CDC & dc) {
    if (!m_root)
        return FALSE;
    dc.FillRect(GetClientRect(), CStdTools::FindInstance()->GetBrush(CStdTools::colorFace));
    return TRUE;
}

void CUIViewWnd::OnPaint() {
    CPaintDC dc(this);
    OnPaint(dc);
}

void CUIViewWnd::OnPaint(CDC & dc) {
    CStdTools const & tools = *CStdTools::FindInstance();
    CRect const ui = GetUIRect();
    if (m_fits) {
        if (m_footText.IsEmpty() || !m_root)
            return;
        dc.Select(tools.GetStdFont());
        dc.SetTextColor(tools.GetColor(CStdTools::colorText));
        dc.SetBkColor(tools.GetColor(CStdTools::colorFace));
        LONG const top = ui.top + m_root->GetMaxSize().cy + 8;
        CRect box(ui.left + 8, top, ui.right - 8, ui.bottom);
        dc.DrawText(m_footText, box, DT_CALCRECT | DT_WORDBREAK | DT_EXTERNALLEADING);
        LONG const height = box.Height();
        box.bottom = ui.bottom - 8;
        box.top = box.bottom - height;
        // Only a foot text that fits wholly under the page is drawn.
        if (box.top >= top) {
            dc.DrawText(m_footText, box, DT_WORDBREAK | DT_EXTERNALLEADING);
            dc.FrameRect(box + LONG(4), tools.GetBrush(CStdTools::color3DShadow));
        }
        dc.Deselect();
        return;
    }
    dc.SetBkMode(TRANSPARENT);
    dc.Select(tools.GetStdFont());
    dc.SetTextColor(tools.GetColor(CStdTools::colorGrayText));
    CString const message(CEntity(VantorUIModule(), idsWindowTooSmall));
    CSize const extent = dc.GetTextExtent(message);
    dc.TextOut(ui.left + (ui.Width() - extent.cx) / 2, ui.top + (ui.Height() - extent.cy) / 2,
               message);
    dc.Deselect();
}
