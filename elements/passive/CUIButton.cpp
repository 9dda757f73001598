#include "CUIButton.hpp"

#include "CButton.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CUIButton, CUIControl, &CObject::AfxConstruct)

CUIButton::CUIButton(char const * text, char const * tip, unsigned int command)
    : m_text(text), m_command(command), m_ctrlButton(MakeControl<CButton>()) {
    m_ui.m_label = text;
    m_ui.m_tip = tip;
}

void CUIButton::OnLayout(CLayFormation * form) {
    m_layButton = new CLayItemText(m_text, 8, 2);
    m_layout = new CLayFormPad(m_layButton, CRect(4, 4, 4, 4), 0);
    form->AddItem(m_layout);
}

void CUIButton::OnCreate(CWnd & parent, unsigned int &) {
    if (CreateControl(*m_ctrlButton, m_text, WS_TABSTOP, m_layButton->GetRect(), parent, m_command))
        AddControl(m_ctrlButton);
}

void CUIButton::OnMove() {
    m_ctrlButton->MoveWindow(m_layButton->GetRect(), TRUE);
}
