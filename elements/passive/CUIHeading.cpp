#include "CUIHeading.hpp"

#include "CEntity.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CRuntimeClass.hpp"
#include "CStatic.hpp"
#include "VantorUIModule.hpp"

AFX_IMPLEMENT_CLASS(CUIHeading, CUIControl, &CObject::AfxConstruct)

CUIHeading::CUIHeading(char const * tag, char const * text)
    : m_labelText(text), m_ctrlLabel(MakeControl<CStatic>()) {
    m_ui.m_tag = tag;
    m_ui.m_class = CRuntimeClass::FindClass(CEntity(VantorUIModule(), "CUIHeading"));
}

void CUIHeading::OnLayout(CLayFormation * form) {
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    m_layout = new CLayFormPad(m_layLabel, CRect(4, 4, 4, 4),
                               CLayFormPad::padCentre | CLayFormPad::padSpace);
    form->AddItem(new CLayItem(1));
    form->AddItem(m_layout);
}

void CUIHeading::OnCreate(CWnd & parent, unsigned int &) {
    if (CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, noId))
        AddControl(m_ctrlLabel);
}

void CUIHeading::OnMove() {
    m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
}

void CUIHeading::OnRename(char const * name) {
    m_ctrlLabel->SetWindowText(name);
}
