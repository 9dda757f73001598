#include "CUIEditIntHex.hpp"

#include "CPrintf.hpp"
#include "CUIEditCtrl.hpp"
#include "WindowStyles.hpp"
#include "internal/FieldText.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIEditIntHex, CUIEditBase)

CUIEditIntHex::CUIEditIntHex() {
    m_editStyle |= ES_RIGHT;
    m_ctrlEdit = MakeControl<CUIEditCtrl>(this);
}

void CUIEditIntHex::OnBind() {
    CUIEditBase::OnBind();
    CArray<CString> const fields = FieldText::Split(GetFormat(), 2);
    if (!FieldText::Field(fields, 0).IsEmpty())
        m_digits = FieldText::Number(FieldText::Field(fields, 0));
    if (!FieldText::Field(fields, 1).IsEmpty())
        m_ctrlEdit->SetDefault(FieldText::Field(fields, 1));
    m_sizeText = FieldText::Repeat('X', static_cast<long long>(m_digits) + 4);
}

void CUIEditIntHex::OnCreate(CWnd & parent, unsigned int & id) {
    CreateLimited(parent, id, static_cast<UINT>(m_digits));
}

void CUIEditIntHex::OnLoad() {
    if (!HasEditWindow())
        return;
    int digits = m_digits;
    if (digits > FieldText::widest)
        digits = FieldText::widest;
    if (digits < -FieldText::widest)
        digits = -FieldText::widest;
    ShowText(CPrintf("%*.*X", digits, digits, static_cast<unsigned int>(ReadInteger())));
}

unsigned int CUIEditIntHex::OnSave(int) {
    if (!HasEditWindow())
        return 0;
    unsigned int const committed =
        CommitInteger(static_cast<int>(FieldText::HexNumber(GetEditText())));
    LoadUI();
    return committed;
}
