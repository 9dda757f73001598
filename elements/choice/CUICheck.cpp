#include "CUICheck.hpp"

#include "CButton.hpp"
#include "CClientDC.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStdTools.hpp"
#include "IDataAccess.hpp"
#include "WindowStyles.hpp"
#include "internal/FieldText.hpp"

AFX_IMPLEMENT_DYNCREATE(CUICheck, CUIControl)

CUICheck::CUICheck() : m_ctrlBox(MakeControl<CButton>()) {}

int CUICheck::UseTextMode() {
    return TRUE;
}

int CUICheck::SetAsText(CString text) {
    bool checked;
    switch (*static_cast<char const *>(text)) {
    case 'Y':
    case '1':
        checked = true;
        break;
    case 'N':
    case '0':
        checked = false;
        break;
    default:
        return FALSE;
    }
    if (!m_data)
        return FALSE;
    m_data->WriteInteger(m_item, Apply(m_data->ReadInteger(m_item), checked));
    return TRUE;
}

CString CUICheck::GetAsText() {
    if (!m_data)
        return CString();
    return IsSet(ReadInteger()) ? "Yes" : "No";
}

int CUICheck::Apply(int stored, bool checked) const {
    if (m_bit == wholeValue)
        return checked ? 1 : 0;
    std::uint32_t const bit = 1u << (m_bit % 32);
    std::uint32_t const value = static_cast<std::uint32_t>(stored);
    return static_cast<int>(checked ? value | bit : value & ~bit);
}

bool CUICheck::IsSet(int stored) const {
    if (m_bit == wholeValue)
        return stored != 0;
    return (static_cast<std::uint32_t>(stored) >> (m_bit % 32)) & 1u;
}

void CUICheck::OnBind() {
    m_labelText = GetName();
    CString const format = GetFormat();
    if (*static_cast<char const *>(format) == 'B')
        m_bit = static_cast<std::uint32_t>(FieldText::Number(format.Mid(1)));
}

void CUICheck::OnLayout(CLayFormation * form) {
    m_layCheck = new CLayItemText(m_labelText + "XXX", 2, 2);
    m_layout = new CLayFormPad(m_layCheck, CLayFormPad::padCentre | CLayFormPad::padSpace);
    form->AddItem(new CLayItem);
    form->AddItem(m_layout);
}

void CUICheck::OnCreate(CWnd & parent, unsigned int & id) {
    unsigned int const boxId = id++;
    if (CreateControl(*m_ctrlBox, m_labelText, WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX,
                      m_layCheck->GetRect(), parent, boxId))
        AddControl(m_ctrlBox, BN_CLICKED);
}

void CUICheck::OnMove() {
    if (m_ctrlBox->IsWindow())
        m_ctrlBox->MoveWindow(m_layCheck->GetRect(), TRUE);
}

void CUICheck::OnRename(char const * name) {
    DoRename(m_ctrlBox, name, FALSE);
}

void CUICheck::OnLoad() {
    if (!m_ctrlBox->IsWindow())
        return;
    m_ctrlBox->SetCheck(m_data && IsSet(ReadInteger()) ? BST_CHECKED : BST_UNCHECKED);
}

unsigned int CUICheck::OnSave(int) {
    if (!m_data)
        return 0;
    return CommitInteger(Apply(ReadInteger(), m_ctrlBox->IsChecked() != FALSE));
}

int CUICheck::OnNotify(unsigned int id, unsigned int code) {
    if (id == m_mainId && m_labelText.IsEmpty() && (code == BN_SETFOCUS || code == BN_KILLFOCUS))
        DrawFocusFrame();
    return CUIControl::OnNotify(id, code);
}

void CUICheck::DrawFocusFrame() {
    CWnd * parent = m_ctrlBox->GetParent();
    if (!parent)
        return;
    CRect frame = m_ctrlBox->GetWindowRect() + 2;
    frame.left -= 2;
    frame.right = frame.left + frame.Height();
    parent->ScreenToClient(frame);
    CClientDC dc(parent);
    CStdTools const & tools = *CStdTools::FindInstance();
    if (CWnd::GetFocus() == m_ctrlBox)
        dc.FrameRect(frame, tools.GetFocusBrush());
    else
        dc.FrameRect(frame, tools.GetBrush(CStdTools::colorFace));
}
