// The view's balloon help: one tool per element with a tip, shown on hover or for the
// control that has the focus, as the main window's balloon mode says.
#include "CUIViewWnd.hpp"

#include "CInput.hpp"
#include "CMainWnd.hpp"
#include "CThread.hpp"
#include "CUIElement.hpp"
#include "CUIGroup.hpp"
#include "CUIToolTip.hpp"

namespace {

constexpr DWORD toolTipStyle = TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON;
constexpr int tipWidth = 300;
constexpr int autoPopDelay = 30000;

} // namespace

CUIToolTip * CUIViewWnd::ToolTip() {
    // The tooltip belongs to the main window and goes with it.
    if (m_toolTip && !CWnd::IsWindow(m_toolTipWnd)) {
        m_toolTip = nullptr;
        m_toolId = 0;
    }
    return m_toolTip;
}

void CUIViewWnd::CreateToolTip() {
    CWnd * main = CThread::FindInstance()->GetMainWnd();
    auto * frame = main && main->IsKindOf(CMainWnd::AfxStaticClassInfo())
                       ? static_cast<CMainWnd *>(main)
                       : nullptr;
    UINT const mode = frame ? frame->GetBalloonMode() : CMainWnd::balloonOff;
    if (mode == CMainWnd::balloonOff)
        return;
    auto * tip = new CUIToolTip;
    if (!tip->Create(main, toolTipStyle)) {
        delete tip;
        return;
    }
    m_toolTip = tip;
    m_toolTipWnd = tip->GetSafeHwnd();
    m_tracking = mode == CMainWnd::balloonTracking;
    m_toolId = 0;
    tip->SetMaxTipWidth(tipWidth);
    tip->SetTitle(TTI_INFO, "LATER");
    tip->SetDelayTime(TTDT_AUTOPOP, autoPopDelay);
    AddToolTips(m_tracking);
}

void CUIViewWnd::AddToolTips(BOOL tracking) {
    for (UINT i = 0; i < m_elements.GetCount(); ++i) {
        CUIElement * element = m_elements[i];
        CString const & text = element->GetUIData().m_tip;
        if (text.IsEmpty())
            continue;
        TOOLINFO info;
        info.cbSize = TTTOOLINFO_V2_SIZE;
        info.uFlags = tracking ? TTF_TRACK : TTF_SUBCLASS;
        info.hwnd = GetSafeHwnd();
        info.uId = i + 1;
        info.rect = element->GetRect();
        info.lpszText = text;
        m_toolTip->AddTool(info);
    }
}

void CUIViewWnd::MoveToolTips() {
    CUIToolTip * tip = ToolTip();
    if (!tip)
        return;
    for (UINT i = 0; i < m_elements.GetCount(); ++i)
        if (!m_elements[i]->GetUIData().m_tip.IsEmpty())
            tip->NewToolRect(this, i + 1, m_elements[i]->GetRect());
}

void CUIViewWnd::HideToolTip() {
    CUIToolTip * tip = ToolTip();
    if (!tip)
        return;
    if (!m_tracking) {
        tip->Pop();
        return;
    }
    if (m_toolId != 0) {
        tip->TrackActivate(FALSE, this, m_toolId);
        m_toolId = 0;
    }
}

void CUIViewWnd::DestroyToolTip() {
    CUIToolTip * tip = ToolTip();
    if (!tip)
        return;
    HideToolTip();
    tip->DestroyWindow();
    m_toolTip = nullptr;
    m_toolTipWnd = nullptr;
}

void CUIViewWnd::TrackToolTip(CWnd * ctrl) {
    if (!ToolTip() || !m_tracking || !IsCurrent())
        return;
    if (!ctrl || !CWnd::IsWindow(ctrl->GetSafeHwnd())) {
        HideToolTip();
        return;
    }
    CRect rect = ctrl->GetWindowRect();
    CPoint const point(rect.left + 4, rect.top + 4);
    ScreenToClient(rect);
    CRect const inner = rect - LONG(1);
    for (UINT i = 0; i < m_elements.GetCount(); ++i) {
        CUIElement * element = m_elements[i];
        // Group frames enclose their members: a control belongs to its own element.
        if (element->IsKindOf(CUIGroup::AfxStaticClassInfo()) ||
            !element->GetRect().Encloses(inner))
            continue;
        if (i + 1 == m_toolId)
            return;
        HideToolTip();
        m_toolId = i + 1;
        m_toolTip->TrackPosition(point.x, point.y);
        m_toolTip->TrackActivate(TRUE, this, m_toolId);
        return;
    }
}

void CUIViewWnd::PlaceToolRect(CRect & tip, CRect const & element, BOOL right, BOOL below) {
    if (!right && !below)
        tip = tip.DragBottomRight(element.TopLeft() + CSize(32, 0));
    else if (!right)
        tip = tip.DragTopRight(element.BottomLeft() + CSize(32, 0));
    else if (!below)
        tip = tip.DragBottomLeft(element.TopLeft() + CSize(16, 0));
    else
        tip = tip.DragTopLeft(element.BottomLeft() + CSize(16, 0));
    ClientToScreen(tip);
}

LRESULT CUIViewWnd::OnToolShow(UINT id, NMHDR &) {
    CUIToolTip * tip = ToolTip();
    if (!tip || id == 0 || id > m_elements.GetCount())
        return 0;
    CUIElement * element = m_elements[id - 1];
    if (!element->IsVisible()) {
        tip->MoveWindow(CRect(0, 0, 0, 0), FALSE);
        return 1;
    }
    CRect rect = tip->GetWindowRect();
    CRect const place = element->GetRect();
    CPoint point;
    if (m_tracking) {
        point = place.TopLeft() + CSize(8, 8);
        ClientToScreen(point);
    } else {
        GetCursorPos(&point);
    }
    PlaceToolRect(rect, place, rect.left > point.x - 40, rect.top > point.y - 40);
    tip->MoveWindow(rect, FALSE);
    tip->SetTitle(TTI_INFO, element->GetName());
    tip->SetTipBkColor(CColor(255, 255, 200));
    return 1;
}
