#include "CUIPickList.hpp"

#include "CPickListDlg.hpp"
#include "CStrPtr.hpp"
#include "CThread.hpp"
#include "IDataAccess.hpp"
#include "VantorOemStrings.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPickList, CUIPickBase)

int CUIPickList::UseTextMode() {
    return TRUE;
}

int CUIPickList::SetAsText(CString text) {
    for (UINT i = 0; i < m_listText.GetCount(); ++i) {
        if (CStrPtr(m_listText[i]) == text.GetString()) {
            if (!m_data)
                return FALSE;
            m_data->WriteInteger(m_item, static_cast<int>(m_listData[i]));
            return TRUE;
        }
    }
    return FALSE;
}

CString CUIPickList::GetAsText() {
    if (!m_data)
        return CString();
    CString const * text = FindText(static_cast<unsigned int>(ReadInteger()));
    return text ? *text : CString();
}

void CUIPickList::OnBind() {
    CArray<CString> fields;
    GetFormat().Tokenize('|', fields);
    for (UINT i = 0; i < fields.GetCount(); ++i)
        AddData(i, fields[i]);
    CUIPickBase::OnBind();
}

void CUIPickList::OnLoad() {
    CString const * text = m_data ? FindText(static_cast<unsigned int>(ReadInteger())) : nullptr;
    ShowText(text ? *text : CString());
}

int CUIPickList::OnPick() {
    if (!m_data)
        return 0;
    auto const stored = static_cast<unsigned int>(ReadInteger());
    CPickListDlg dialog(this, stored);
    if (dialog.Execute(CThread::FindInstance()->GetMainWnd()) <= 0)
        return 0;
    auto const chosen = static_cast<unsigned int>(dialog.GetData());
    if (chosen == stored || !OnChange(chosen))
        return 0;
    WriteInteger(static_cast<int>(chosen));
    LoadUI();
    return 1;
}

int CUIPickList::OnChange(unsigned int) {
    return TRUE;
}

void CUIPickList::AddData(unsigned int data, CString text) {
    if (text.IsEmpty())
        return;
    VantorOemStrings(text);
    m_listText.Append(text);
    m_listData.Append(data);
}

CString const * CUIPickList::FindText(unsigned int data) const {
    for (UINT i = 0; i < m_listData.GetCount(); ++i)
        if (m_listData[i] == data)
            return &m_listText[i];
    return nullptr;
}
