#include "CUIEditString.hpp"

#include "CUIEditCtrl.hpp"
#include "IDataAccess.hpp"
#include "WindowStyles.hpp"
#include "internal/FieldText.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIEditString, CUIEditBase)

CUIEditString::CUIEditString() {
    m_editStyle |= ES_AUTOHSCROLL;
    m_ctrlEdit = MakeControl<CUIEditCtrl>(this);
}

void CUIEditString::OnBind() {
    CUIEditBase::OnBind();
    CArray<CString> const fields = FieldText::Split(GetFormat(), 2);
    CString limit = FieldText::Field(fields, 0);
    if (!limit.IsEmpty()) {
        if (limit.GetAt(0) == '*') {
            m_editStyle |= ES_PASSWORD;
            limit = limit.Mid(1);
        }
        m_limit = static_cast<std::uint32_t>(FieldText::Number(limit));
        if (m_limit == 0)
            m_limit = 1;
    }
    if (m_ctrlEdit && !FieldText::Field(fields, 1).IsEmpty())
        m_ctrlEdit->SetDefault(FieldText::Field(fields, 1));
    m_sizeText = CString("  ") + FieldText::Repeat('X', m_limit < 40 ? m_limit : 40);
}

void CUIEditString::OnCreate(CWnd & parent, unsigned int & id) {
    CreateLimited(parent, id, m_limit);
}

void CUIEditString::OnLoad() {
    if (HasEditWindow())
        ShowText(ReadString());
}

unsigned int CUIEditString::OnSave(int) {
    if (!HasEditWindow())
        return 0;
    unsigned int const committed = CommitString(GetEditText());
    LoadUI();
    return committed;
}

int CUIEditString::UseTextMode() {
    DropControls();
    return TRUE;
}

int CUIEditString::SetAsText(CString text) {
    if (!m_data)
        return FALSE;
    m_data->WriteString(m_item, text);
    return TRUE;
}

CString CUIEditString::GetAsText() {
    return ReadString();
}
