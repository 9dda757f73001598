#include "CUIEditBase.hpp"

#include "CLayEditUnits.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormRow.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "CUIEditCtrl.hpp"
#include "WinConstants.hpp"
#include "WindowStyles.hpp"
#include "internal/EditFieldRow.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIEditBase, CUIControl)

CUIEditBase::CUIEditBase()
    : m_ctrlLabel(MakeControl<CStatic>()), m_ctrlUnits(MakeControl<CStatic>()) {}

void CUIEditBase::OnBind() {
    m_labelText = GetLabel();
    m_sizeText = CString('X', 16);
    m_units.Empty();
}

void CUIEditBase::OnLayout(CLayFormation * form) {
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    m_layEdit = new CLayItemText(m_sizeText, 3, 1);
    m_layUnits = new CLayEditUnits(m_units, m_wideUnits);
    auto * row = new CLayFormRow;
    row->AddItem(new CLayFormPad(m_layEdit, CLayFormPad::padCentre | CLayFormPad::padSpace));
    row->AddItem(new CLayFormPad(m_layUnits, CLayFormPad::padCentre));
    m_layout = row;
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(row);
}

CRect CUIEditBase::GetDataCtrlRect() {
    return EditFieldRow::DataRect(*m_layEdit);
}

void CUIEditBase::OnCreate(CWnd & parent, unsigned int & id) {
    if (!m_data || !m_ctrlEdit || !m_layEdit)
        return;
    unsigned int const editId = id++;
    if (!CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, 0) ||
        !CreateControl(*m_ctrlEdit, "", m_editStyle | WS_BORDER | WS_TABSTOP, WS_EX_CLIENTEDGE,
                       GetDataCtrlRect(), parent, editId) ||
        !CreateControl(*m_ctrlUnits, m_units, SS_WORDELLIPSIS, m_layUnits->GetRect(), parent, 0))
        return;
    AddControl(m_ctrlLabel);
    AddControl(m_ctrlEdit, EN_KILLFOCUS);
    AddControl(m_ctrlUnits);
}

void CUIEditBase::CreateLimited(CWnd & parent, unsigned int & id, UINT limit) {
    CUIEditBase::OnCreate(parent, id);
    if (HasEditWindow())
        m_ctrlEdit->LimitText(limit);
}

void CUIEditBase::OnMove() {
    if (m_ctrlLabel && m_ctrlEdit && m_ctrlUnits && m_layLabel)
        EditFieldRow::Move(*m_ctrlLabel, *m_layLabel, *m_ctrlEdit, *m_layEdit, *m_ctrlUnits,
                           *m_layUnits);
}

void CUIEditBase::OnRename(char const * text) {
    DoRename(m_ctrlLabel, text, TRUE);
}

void CUIEditBase::DropControls() {
    DestroyControl(m_ctrlLabel);
    DestroyControl(m_ctrlEdit);
    DestroyControl(m_ctrlUnits);
    m_ctrlLabel = nullptr;
    m_ctrlEdit = nullptr;
    m_ctrlUnits = nullptr;
}

bool CUIEditBase::HasEditWindow() const {
    return m_data && m_ctrlEdit && m_ctrlEdit->GetSafeHwnd();
}

void CUIEditBase::ShowText(char const * text) {
    if (!HasEditWindow())
        return;
    m_ctrlEdit->SetWindowText(text);
    if (CWnd::GetFocus() == m_ctrlEdit)
        m_ctrlEdit->SetSel(CRange(TRUE));
    m_ctrlEdit->SetModify(FALSE);
}

CString CUIEditBase::GetEditText() const {
    return m_ctrlEdit ? m_ctrlEdit->GetWindowText() : CString();
}
