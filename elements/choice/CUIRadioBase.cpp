#include "CUIRadioBase.hpp"

#include "CButton.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CUIRadioBase, CUIControl, &CObject::AfxConstruct)

CUIRadioBase::CUIRadioBase() : m_ctrlLabel(MakeControl<CStatic>()) {}

void CUIRadioBase::AddData(unsigned int data, CString text) {
    if (text.IsEmpty())
        return;
    m_listText.Append(std::move(text));
    m_listData.Append(data);
}

void CUIRadioBase::AddData(CLayItemText * item) {
    m_layButtons.Append(item);
}

void CUIRadioBase::AddCtrl(CButton * ctrl) {
    m_ctrlButtons.Append(ctrl);
}

void CUIRadioBase::SetRadioGroup(unsigned int position) {
    for (UINT k = 0; k < m_ctrlButtons.GetCount(); ++k)
        if (m_ctrlButtons[k]->IsWindow())
            m_ctrlButtons[k]->SetCheck(k == position ? BST_CHECKED : BST_UNCHECKED);
}

unsigned int CUIRadioBase::GetRadioGroup() {
    for (UINT k = 0; k < m_ctrlButtons.GetCount(); ++k)
        if (m_ctrlButtons[k]->IsWindow() && m_ctrlButtons[k]->IsChecked())
            return k;
    return 0;
}

void CUIRadioBase::OnBind() {
    CArray<CString> fields;
    UINT const count = GetFormat().Tokenize('|', fields);
    for (UINT i = 0; i < count; ++i)
        AddData(i, fields[i]);
    m_labelText = GetLabel();
}

void CUIRadioBase::OnLayout(CLayFormation * form) {
    CLayFormation * buttons = MakeLayout();
    m_layout = buttons;
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    for (CString const & text : m_listText) {
        CLayItemText * item = new CLayItemText(text + "XXX", 1, 2);
        AddData(item);
        buttons->AddItem(new CLayFormPad(item, CLayFormPad::padCentre | CLayFormPad::padSpace));
    }
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padTop | CLayFormPad::padSpace));
    form->AddItem(m_layout);
}

void CUIRadioBase::OnCreate(CWnd & parent, unsigned int & id) {
    m_idFirst = m_idEnd = id;
    for (UINT k = 0; k < m_layButtons.GetCount(); ++k) {
        CButton * button = MakeControl<CButton>();
        DWORD const style =
            k == 0 ? WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON : BS_AUTORADIOBUTTON;
        if (!CreateControl(*button, m_listText[k], style, m_layButtons[k]->GetRect(), parent, id))
            break;
        ++id;
        AddControl(button, BN_CLICKED);
        AddCtrl(button);
        ++m_idEnd;
    }
    if (CreateControl(*m_ctrlLabel, m_labelText, WS_GROUP, m_layLabel->GetRect(), parent, 0))
        AddControl(m_ctrlLabel);
}

void CUIRadioBase::OnMove() {
    if (m_ctrlLabel->IsWindow())
        m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
    for (UINT k = 0; k < m_ctrlButtons.GetCount(); ++k)
        if (m_ctrlButtons[k]->IsWindow())
            m_ctrlButtons[k]->MoveWindow(m_layButtons[k]->GetRect(), TRUE);
}

void CUIRadioBase::OnRename(char const * name) {
    DoRename(m_ctrlLabel, name, TRUE);
}

void CUIRadioBase::OnLoad() {
    // Without the property, or with a value that is no position, no button is checked.
    SetRadioGroup(m_data ? static_cast<unsigned int>(ReadInteger()) : m_ctrlButtons.GetCount());
}

unsigned int CUIRadioBase::OnSave(int) {
    if (!m_data)
        return 0;
    return CommitInteger(static_cast<int>(GetRadioGroup()));
}

int CUIRadioBase::OnNotify(unsigned int id, unsigned int code) {
    if (id < m_idFirst || id >= m_idEnd || code != BN_CLICKED)
        return 0;
    return SaveUI(0) == 1 ? 1 : 0;
}
