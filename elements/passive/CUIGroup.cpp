#include "CUIGroup.hpp"

#include "CButton.hpp"
#include "CDC.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CStdTools.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CUIGroup, CUIControl, &CObject::AfxConstruct)

CUIGroup::CUIGroup(char const * title, CLayItem * body)
    : m_title(title), m_layBody(body), m_ctrlFrame(MakeControl<CButton>()) {}

void CUIGroup::OnLayout(CLayFormation * form) {
    FindMetrics();
    m_layFrame = new CLayFormPad(m_layBody, CRect(8, m_sizeChar.cy + 3, 8, 8), CLayFormPad::padTop);
    m_layout = new CLayFormPad(m_layFrame, CRect(4, 4, 4, 4), 0);
    form->AddItem(m_layout);
}

void CUIGroup::OnCreate(CWnd & parent, unsigned int & id) {
    unsigned int const frameId = id++;
    if (CreateControl(*m_ctrlFrame, m_title, BS_GROUPBOX, m_layFrame->GetRect(), parent, frameId))
        AddControl(m_ctrlFrame);
}

void CUIGroup::OnMove() {
    m_ctrlFrame->MoveWindow(m_layFrame->GetRect(), TRUE);
}

void CUIGroup::FindMetrics() {
    CScreenDC dc;
    dc.Select(CStdTools::FindInstance()->GetStdFont());
    m_sizeChar = dc.GetTextExtent("X");
    dc.Deselect();
}
