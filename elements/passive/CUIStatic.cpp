#include "CUIStatic.hpp"

#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIStatic, CUIControl)

CUIStatic::CUIStatic() : m_ctrlText(MakeControl<CStatic>()) {}

void CUIStatic::OnBind() {
    m_text = GetFormat();
}

void CUIStatic::OnLayout(CLayFormation * form) {
    m_layText = new CLayItemText(m_text);
    m_layout = new CLayFormPad(m_layText, CLayFormPad::padCentre | CLayFormPad::padSpace);
    form->AddItem(new CLayItem(1));
    form->AddItem(m_layout);
}

void CUIStatic::OnCreate(CWnd & parent, unsigned int &) {
    if (CreateControl(*m_ctrlText, m_text, 0, GetTextRect(), parent, 0))
        AddControl(m_ctrlText);
}

void CUIStatic::OnMove() {
    m_ctrlText->MoveWindow(GetTextRect(), TRUE);
}

CRect CUIStatic::GetTextRect() {
    return m_layText->GetRect();
}
