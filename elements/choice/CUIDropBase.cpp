#include "CUIDropBase.hpp"

#include "CComboBox.hpp"
#include "CLayDropDown.hpp"
#include "CLayFormPad.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "VantorOemStrings.hpp"
#include "WinMessages.hpp"

AFX_IMPLEMENT_CLASS(CUIDropBase, CUIControl, &CObject::AfxConstruct)

CUIDropBase::CUIDropBase()
    : m_ctrlLabel(MakeControl<CStatic>()), m_ctrlDrop(MakeControl<CComboBox>()) {}

void CUIDropBase::SetMin(unsigned int min) {
    m_min = min;
    Reload();
}

void CUIDropBase::SetMax(unsigned int max) {
    m_max = max;
    Reload();
}

void CUIDropBase::SetMask(unsigned long mask) {
    m_mask = static_cast<std::uint32_t>(mask);
    Reload();
}

void CUIDropBase::SetPlaces(unsigned int places) {
    m_places = places;
    Reload();
}

void CUIDropBase::AppendData(CString list) {
    unsigned int const base = m_listText.GetCount();
    CArray<CString> fields;
    UINT const count = list.Tokenize('|', fields);
    for (UINT i = 0; i < count; ++i)
        AddData(base + i, fields[i]);
    Reload();
}

void CUIDropBase::AddData(unsigned int data, CString text) {
    if (text.IsEmpty())
        return;
    VantorOemStrings(text);
    m_listText.Append(std::move(text));
    m_listData.Append(data);
}

CString CUIDropBase::ShowText(CString text) const {
    if (m_places == 0)
        return text;
    UINT const places = m_places < maxPlaces ? m_places : maxPlaces;
    // Zeros in front until there is a digit before the point.
    if (text.GetLength() <= places)
        text.Insert(0, CString('0', places - text.GetLength() + 1));
    text.Insert(text.GetLength() - places, '.');
    return text;
}

void CUIDropBase::LoadList() {
    UINT const count = m_listText.GetCount();
    for (std::uint32_t p = m_min; p < count; ++p) {
        if (p >= m_max)
            break;
        if (m_mask != 0 && !((m_mask >> (p % 32)) & 1u))
            continue;
        m_ctrlDrop->AddString(ShowText(m_listText[p]), m_listData[p]);
    }
}

void CUIDropBase::Reload() {
    if (!m_ctrlDrop->IsWindow())
        return;
    m_ctrlDrop->SendMessage(WM_SETREDRAW, FALSE);
    m_ctrlDrop->ResetContent();
    LoadList();
    LoadUI();
    m_ctrlDrop->SendMessage(WM_SETREDRAW, TRUE);
    m_ctrlDrop->Invalidate();
}

CRect CUIDropBase::FindComboRect() {
    CRect rect = m_layDrop->GetRect();
    rect.bottom = rect.top + 8 * rect.Height();
    return rect;
}

void CUIDropBase::CreateControls(CWnd & parent, unsigned int & id, DWORD style, unsigned int code) {
    unsigned int const comboId = id++;
    if (CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, 0))
        AddControl(m_ctrlLabel);
    if (!CreateControl(*m_ctrlDrop, "", style, FindComboRect(), parent, comboId))
        return;
    LoadList();
    AddControl(m_ctrlDrop, code);
}

void CUIDropBase::OnBind() {
    m_labelText = GetLabel();
}

void CUIDropBase::OnLayout(CLayFormation * form) {
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    m_layDrop = new CLayDropDown(this, TRUE);
    m_layout = new CLayFormPad(m_layDrop, CLayFormPad::padCentre | CLayFormPad::padSpace);
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(m_layout);
}

void CUIDropBase::OnMove() {
    if (m_ctrlLabel->IsWindow())
        m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
    if (m_ctrlDrop->IsWindow())
        m_ctrlDrop->MoveWindow(FindComboRect(), TRUE);
}

void CUIDropBase::OnRename(char const * name) {
    DoRename(m_ctrlLabel, name, TRUE);
}
