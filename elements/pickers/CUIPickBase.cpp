#include "CUIPickBase.hpp"

#include "CButton.hpp"
#include "CEditCtrl.hpp"
#include "CEntity.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "VantorUIModule.hpp"
#include "WindowStyles.hpp"
#include "internal/EditFieldRow.hpp"
#include "internal/PickerStrings.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPickBase, CUIControl)

CUIPickBase::CUIPickBase()
    : m_buttonText(CEntity(VantorUIModule(), PickerStrings::edit)),
      m_ctrlLabel(MakeControl<CStatic>()), m_ctrlEdit(MakeControl<CEditCtrl>()),
      m_ctrlButton(MakeControl<CButton>()) {}

void CUIPickBase::OnBind() {
    m_labelText = GetLabel();
    m_sizeText = CString('X', 16);
}

void CUIPickBase::OnLayout(CLayFormation * form) {
    m_layEdit = new CLayItemText(m_sizeText, 3, m_tallEdit ? 2 : 1);
    m_layButton = new CLayItemText(m_buttonText, 4, 1);
    auto * row = new CLayFormRow;
    row->AddItem(new CLayFormPad(m_layEdit, CLayFormPad::padCentre | CLayFormPad::padSpace));
    row->AddItem(new CLayFormPad(m_layButton, CLayFormPad::padCentre));
    m_layout = row;
    if (m_labelText.IsEmpty()) {
        m_layLabel = new CLayItemText(m_labelText, 0, 1);
        form->AddItem(m_layLabel);
    } else {
        m_layLabel = new CLayItemText(m_labelText, 1, 1);
        form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    }
    form->AddItem(row);
}

CRect CUIPickBase::GetDataCtrlRect() {
    return EditFieldRow::DataRect(*m_layEdit);
}

void CUIPickBase::OnCreate(CWnd & parent, unsigned int & id) {
    if (CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, 0))
        AddControl(m_ctrlLabel);
    // The client edge is given once the window exists: CreateControl takes no extended style.
    if (CreateControl(*m_ctrlEdit, "", m_editStyle | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                      GetDataCtrlRect(), parent, id++)) {
        m_ctrlEdit->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
        AddControl(m_ctrlEdit);
    }
    m_buttonId = id++;
    if (CreateControl(*m_ctrlButton, m_buttonText, WS_TABSTOP, m_layButton->GetRect(), parent,
                      m_buttonId))
        AddControl(m_ctrlButton);
}

void CUIPickBase::OnMove() {
    EditFieldRow::Move(*m_ctrlLabel, *m_layLabel, *m_ctrlEdit, *m_layEdit, *m_ctrlButton,
                       *m_layButton);
}

void CUIPickBase::OnRename(char const * name) {
    DoRename(m_ctrlLabel, name, TRUE);
}

int CUIPickBase::OnNotify(unsigned int id, unsigned int) {
    if (m_buttonId == noId || id != m_buttonId)
        return 0;
    return OnPick();
}

int CUIPickBase::OnPick() {
    return FALSE;
}

void CUIPickBase::ShowText(char const * text) {
    if (!m_ctrlEdit->GetSafeHwnd())
        return;
    m_ctrlEdit->SetWindowText(text);
    CaretToEnd();
}

void CUIPickBase::CaretToEnd() {
    if (!m_ctrlEdit->GetSafeHwnd())
        return;
    int const length = static_cast<int>(m_ctrlEdit->GetWindowText().GetLength());
    m_ctrlEdit->SetSel(length, length + 1);
}
