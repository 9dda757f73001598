#include "CProbeEdit.hpp"

#include "CEditCtrl.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "IDataAccess.hpp"
#include "WinConstants.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CProbeEdit, CUIControl)

CProbeEdit::CProbeEdit() : m_edit(MakeControl<CEditCtrl>()) {}

CUIData CProbeEdit::Record(char const * tag, char const * tip) {
    CUIData data;
    data.m_tag = tag;
    data.m_label = tag;
    data.m_labelAlt = tag;
    data.m_class = AfxStaticClassInfo();
    data.m_tip = tip;
    return data;
}

void CProbeEdit::OnLayout(CLayFormation * form) {
    m_layEdit = new CLayItemText("0000000000", 3, 1);
    m_layout = new CLayFormPad(m_layEdit, 0x21);
    form->AddItem(new CLayItemText(GetLabel(), 1, 1));
    form->AddItem(m_layout);
}

void CProbeEdit::OnCreate(CWnd & parent, unsigned int & id) {
    if (CreateControl(*m_edit, "", WS_TABSTOP | WS_BORDER, m_layEdit->GetRect(), parent, id++))
        AddControl(m_edit, EN_KILLFOCUS);
}

void CProbeEdit::OnMove() {
    m_edit->MoveWindow(m_layEdit->GetRect(), TRUE);
}

void CProbeEdit::OnLoad() {
    if (m_data && m_edit->GetSafeHwnd())
        m_edit->SetWindowText(m_data->ReadString(m_item));
}

unsigned int CProbeEdit::OnSave(int) {
    if (!m_data)
        return 0;
    CString const text = m_edit->GetWindowText();
    if (text == m_data->ReadString(m_item))
        return 0;
    m_data->WriteString(m_item, text);
    m_data->NotifyWrite(m_item);
    return 1;
}

int CProbeEdit::OnNotify(unsigned int id, unsigned int code) {
    ++m_offered;
    return CUIControl::OnNotify(id, code);
}
