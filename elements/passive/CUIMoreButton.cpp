#include "CUIMoreButton.hpp"

#include "CButton.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "WinConstants.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIMoreButton, CUIControl)

CUIMoreButton::CUIMoreButton() : m_ctrlButton(MakeControl<CButton>()) {}

void CUIMoreButton::OnBind() {
    m_buttonText = GetName();
}

void CUIMoreButton::OnLayout(CLayFormation * form) {
    // Four blanks make the button four space widths wider than its caption.
    m_layButton = new CLayItemText(m_buttonText + "    ", 1, 1);
    m_layout = new CLayFormPad(m_layButton, CLayFormPad::padCentre | CLayFormPad::padSpace);
    form->AddItem(new CLayItem);
    form->AddItem(m_layout);
}

CRect CUIMoreButton::GetRect() {
    CRect rect = m_layButton->GetRect();
    rect.top -= 3;
    rect.bottom += 3;
    return rect;
}

void CUIMoreButton::OnCreate(CWnd & parent, unsigned int & id) {
    if (CreateControl(*m_ctrlButton, m_buttonText, WS_TABSTOP, GetRect(), parent, id))
        AddControl(m_ctrlButton, BN_CLICKED);
    ++id;
}

void CUIMoreButton::OnMove() {
    if (m_ctrlButton->GetSafeHwnd())
        m_ctrlButton->MoveWindow(GetRect(), TRUE);
}

void CUIMoreButton::OnRename(char const * name) {
    DoRename(m_ctrlButton, name, FALSE);
}

unsigned int CUIMoreButton::OnSave(int) {
    return 1;
}
