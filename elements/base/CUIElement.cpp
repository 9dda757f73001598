#include "CUIElement.hpp"

#include "CItem.hpp"
#include "CLayItem.hpp"
#include "CStrPtr.hpp"
#include "IDataAccess.hpp"

AFX_IMPLEMENT_CLASS(CUIElement, CObject, &CObject::AfxConstruct)

int CUIElement::UseTextMode() {
    return 0;
}

int CUIElement::SetAsText(CString) {
    return 0;
}

CString CUIElement::GetAsText() {
    return CString();
}

int CUIElement::Bind(CItem * item, CUIData const * data, unsigned int mode) {
    if (m_item)
        return 0;
    m_item = item;
    m_data = item->GetDataAccess(data->m_tag);
    m_ui = *data;
    m_mode = mode;
    if (!m_data)
        return 0;
    OnBind();
    return 1;
}

void CUIElement::RebindUI(CItem * item) {
    RebindUIForText(item);
    OnRebind();
}

void CUIElement::RebindUIForText(CItem * item) {
    m_item = item;
    m_data = item ? item->GetDataAccess(m_ui.m_tag) : nullptr;
}

CString CUIElement::GetName() {
    return m_mode == modeAltName ? m_ui.m_labelAlt : m_ui.m_label;
}

CString CUIElement::GetLabel() {
    if (m_mode == modeTable)
        return CString();
    return GetName() + ":";
}

CRect CUIElement::GetRect() {
    return m_layout->GetRect();
}

void CUIElement::ForceFormat(char const * format) {
    m_ui.m_format = format;
}

void CUIElement::LayoutUI(CLayFormation * form) {
    OnLayout(form);
}

void CUIElement::CreateUI(CWnd & parent, unsigned int & id) {
    OnCreate(parent, id);
    OnLoad();
}

void CUIElement::ShowUI(int show) {
    m_visible = show;
    OnShow(show);
}

void CUIElement::EnableUI(int enable) {
    OnEnable(enable);
}

void CUIElement::MoveUI() {
    OnMove();
}

void CUIElement::LoadUI() {
    OnLoad();
}

void CUIElement::UpdateUI() {
    OnLoad();
}

void CUIElement::RenameUI(char const * name) {
    if (name) {
        OnRename(name);
        return;
    }
    CString const own = GetName();
    OnRename(own);
}

unsigned int CUIElement::SaveUI(int flag) {
    ++m_saving;
    unsigned int const result = OnSave(flag);
    --m_saving;
    return result;
}

int CUIElement::NotifyUI(unsigned int id, unsigned int code) {
    return OnNotify(id, code);
}

int CUIElement::NotifyUI(unsigned int id, NMHDR & hdr) {
    return OnNotify(id, hdr);
}

void CUIElement::OnBind() {}

void CUIElement::OnRebind() {
    OnLoad();
}

void CUIElement::OnLayout(CLayFormation *) {}

void CUIElement::OnCreate(CWnd &, unsigned int &) {}

void CUIElement::OnShow(int) {}

void CUIElement::OnEnable(int) {}

void CUIElement::OnMove() {}

void CUIElement::OnRename(char const *) {}

void CUIElement::OnLoad() {}

unsigned int CUIElement::OnSave(int) {
    return 0;
}

int CUIElement::OnNotify(unsigned int, NMHDR &) {
    return 0;
}

int CUIElement::OnNotify(unsigned int, unsigned int) {
    return 0;
}

int CUIElement::ReadInteger() {
    return m_data ? m_data->ReadInteger(m_item) : 0;
}

CString CUIElement::ReadString() {
    return m_data ? m_data->ReadString(m_item) : CString();
}

void CUIElement::WriteInteger(int value) {
    if (!m_data)
        return;
    m_data->WriteInteger(m_item, value);
    m_data->NotifyWrite(m_item);
}

void CUIElement::WriteString(CString const & text) {
    if (!m_data)
        return;
    m_data->WriteString(m_item, text);
    m_data->NotifyWrite(m_item);
}

unsigned int CUIElement::CommitInteger(int value) {
    if (!m_data || value == m_data->ReadInteger(m_item))
        return 0;
    WriteInteger(value);
    return 1;
}

unsigned int CUIElement::CommitString(CString const & text) {
    if (!m_data || CStrPtr(text).CompareC(m_data->ReadString(m_item)) == 0)
        return 0;
    WriteString(text);
    return 1;
}
