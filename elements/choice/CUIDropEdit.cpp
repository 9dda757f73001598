#include "CUIDropEdit.hpp"

#include "CComboBox.hpp"
#include "CPrintf.hpp"
#include "WindowStyles.hpp"
#include "internal/FieldText.hpp"
#include "internal/IntegerText.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIDropEdit, CUIDropBase)

void CUIDropEdit::OnBind() {
    CUIDropBase::OnBind();
    CArray<CString> fields;
    UINT const count = GetFormat().Tokenize('|', fields);
    if (count > 0 && !fields[0].IsEmpty())
        m_valueMin = FieldText::Number(fields[0]);
    if (count > 1 && !fields[1].IsEmpty())
        m_valueMax = FieldText::Number(fields[1]);
    for (UINT i = 2; i < count; ++i)
        AddData(i, fields[i]);
}

void CUIDropEdit::OnCreate(CWnd & parent, unsigned int & id) {
    CreateControls(parent, id, WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN, CBN_KILLFOCUS);
}

void CUIDropEdit::OnLoad() {
    if (!m_ctrlDrop->IsWindow())
        return;
    if (!m_data) {
        m_ctrlDrop->SetCurSel(-1);
        return;
    }
    CString const text = Format(StoreToDisp(ReadInteger()));
    int const found = m_ctrlDrop->FindStringExact(-1, text);
    if (found != CB_ERR) {
        m_ctrlDrop->SetCurSel(found);
        return;
    }
    m_ctrlDrop->SetWindowText(text);
    CWnd * focus = CWnd::GetFocus();
    if (focus && (focus == m_ctrlDrop || focus->GetParent() == m_ctrlDrop))
        m_ctrlDrop->SetEditSel(0, -1);
}

unsigned int CUIDropEdit::OnSave(int) {
    if (!m_data)
        return 0;
    int const current = ReadInteger();
    int value = DispToStore(FieldText::Number(m_ctrlDrop->GetWindowText()));
    if (value == current)
        return 0;
    Check(value);
    WriteInteger(value);
    return 1;
}

int CUIDropEdit::StoreToDisp(int value) {
    return value;
}

int CUIDropEdit::DispToStore(int value) {
    return value;
}

BOOL CUIDropEdit::Check(int & value) {
    value = IntegerText::Limit(value, DispToStore(m_valueMin), DispToStore(m_valueMax));
    return TRUE;
}

CString CUIDropEdit::Format(int value) {
    return CPrintf("%u", static_cast<unsigned int>(value));
}
