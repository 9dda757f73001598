#include "CUIDropDown.hpp"

#include "CComboBox.hpp"
#include "CStrPtr.hpp"
#include "IDataAccess.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIDropDown, CUIDropBase)

int CUIDropDown::UseTextMode() {
    return TRUE;
}

int CUIDropDown::SetAsText(CString text) {
    if (!m_data)
        return FALSE;
    for (UINT i = 0; i < m_listText.GetCount(); ++i) {
        if (CStrPtr(m_listText[i]) == static_cast<char const *>(text)) {
            m_data->WriteInteger(m_item, static_cast<int>(m_listData[i]));
            return TRUE;
        }
    }
    return FALSE;
}

CString CUIDropDown::GetAsText() {
    if (!m_data)
        return CString();
    std::uint32_t const value = static_cast<std::uint32_t>(ReadInteger());
    for (UINT i = 0; i < m_listData.GetCount(); ++i)
        if (m_listData[i] == value)
            return m_listText[i];
    return CString();
}

void CUIDropDown::OnBind() {
    CUIDropBase::OnBind();
    CArray<CString> fields;
    UINT const count = GetFormat().Tokenize('|', fields);
    for (UINT i = 0; i < count; ++i)
        AddData(i, fields[i]);
}

void CUIDropDown::OnCreate(CWnd & parent, unsigned int & id) {
    CreateControls(parent, id, WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, CBN_SELCHANGE);
}

void CUIDropDown::OnLoad() {
    if (!m_ctrlDrop->IsWindow())
        return;
    if (!m_data) {
        m_ctrlDrop->SetCurSel(-1);
        return;
    }
    m_ctrlDrop->SelectData(static_cast<std::uint32_t>(ReadInteger()));
}

unsigned int CUIDropDown::OnSave(int) {
    int const selected = m_ctrlDrop->GetCurSel();
    if (!m_data || selected == CB_ERR)
        return 0;
    WriteInteger(static_cast<int>(m_ctrlDrop->GetItemData(selected)));
    return 1;
}
