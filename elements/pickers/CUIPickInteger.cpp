#include "CUIPickInteger.hpp"

#include "CArray.hpp"
#include "CPickIntegerDlg.hpp"
#include "CThread.hpp"
#include "internal/FieldText.hpp"
#include "internal/IntegerText.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIPickInteger, CUIPickBase)

void CUIPickInteger::OnBind() {
    CUIPickBase::OnBind();
    CArray<CString> const fields = FieldText::Split(GetFormat(), 5);
    IntegerText::ReadFormat(fields, m_places, m_units, m_valueMin, m_valueMax);
}

void CUIPickInteger::OnLoad() {
    if (!m_data) {
        ShowText("");
        return;
    }
    CString text = Format(StoreToDisp(ReadInteger()));
    if (!m_units.IsEmpty())
        text += CString(" ") + m_units;
    ShowText(text);
}

int CUIPickInteger::OnPick() {
    if (!m_data)
        return FALSE;
    CPickIntegerDlg dialog(this, ReadInteger());
    if (dialog.Execute(CThread::FindInstance()->GetMainWnd()) <= 0)
        return FALSE;
    int const value = dialog.GetData();
    if (!OnChange(static_cast<unsigned int>(value)))
        return FALSE;
    WriteInteger(value);
    LoadUI();
    return TRUE;
}

int CUIPickInteger::OnChange(unsigned int) {
    return TRUE;
}

int CUIPickInteger::StoreToDisp(int value) {
    return value;
}

int CUIPickInteger::DispToStore(int value) {
    return value;
}

CString CUIPickInteger::Format(int display) {
    return IntegerText::Format(display, m_places, m_valueMin);
}

int CUIPickInteger::Parse(char const * text) {
    return IntegerText::Parse(text, m_places);
}
