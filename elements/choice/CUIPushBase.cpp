#include "CUIPushBase.hpp"

#include "CButton.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "IDataAccess.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_CLASS(CUIPushBase, CUIControl, &CObject::AfxConstruct)

CUIPushBase::CUIPushBase() : m_ctrlLabel(MakeControl<CStatic>()) {}

void CUIPushBase::AddData(unsigned int data, CString text) {
    if (text.IsEmpty())
        return;
    m_listText.Append(std::move(text));
    m_listData.Append(data);
}

void CUIPushBase::AddData(CLayItemText * item) {
    m_layButtons.Append(item);
}

void CUIPushBase::OnBind() {
    CArray<CString> fields;
    UINT const count = GetFormat().Tokenize('|', fields);
    for (UINT i = 0; i < count; ++i)
        AddData(i, fields[i]);
    m_labelText = GetLabel();
}

void CUIPushBase::OnLayout(CLayFormation * form) {
    CLayFormation * buttons = MakeLayout();
    m_layout = buttons;
    m_layLabel = new CLayItem(0);
    for (CString const & text : m_listText) {
        CLayItemText * item = new CLayItemText(text, 8, 2);
        AddData(item);
        buttons->AddItem(new CLayFormPad(item, CLayFormPad::padCentre | CLayFormPad::padSpace));
    }
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(m_layout);
}

void CUIPushBase::OnCreate(CWnd & parent, unsigned int & id) {
    m_idFirst = m_idEnd = id;
    for (UINT k = 0; k < m_layButtons.GetCount(); ++k) {
        CButton * button = MakeControl<CButton>();
        if (!CreateControl(*button, m_listText[k], WS_TABSTOP, m_layButtons[k]->GetRect(), parent,
                           id))
            break;
        ++id;
        AddControl(button);
        m_ctrlButtons.Append(button);
        ++m_idEnd;
    }
    if (CreateControl(*m_ctrlLabel, m_labelText, WS_GROUP, m_layLabel->GetRect(), parent, 0))
        AddControl(m_ctrlLabel);
}

void CUIPushBase::OnMove() {
    if (m_ctrlLabel->IsWindow())
        m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
    for (UINT k = 0; k < m_ctrlButtons.GetCount(); ++k)
        if (m_ctrlButtons[k]->IsWindow())
            m_ctrlButtons[k]->MoveWindow(m_layButtons[k]->GetRect(), TRUE);
}

void CUIPushBase::OnRename(char const * name) {
    DoRename(m_ctrlLabel, name, TRUE);
}

void CUIPushBase::OnLoad() {
    if (m_data)
        m_data->WriteInteger(m_item, 0);
}

int CUIPushBase::OnNotify(unsigned int id, unsigned int) {
    if (id < m_idFirst || id >= m_idEnd || !m_data)
        return 0;
    m_data->WriteInteger(m_item, static_cast<int>(id - m_idFirst));
    return 1;
}
