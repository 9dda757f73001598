#include "CUIIPAddress.hpp"

#include "CClientDC.hpp"
#include "CIPAddrCtrl.hpp"
#include "CLayFormPad.hpp"
#include "CLayFormation.hpp"
#include "CLayItemText.hpp"
#include "CStatic.hpp"
#include "WinConstants.hpp"
#include "WindowStyles.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIIPAddress, CUIControl)

CUIIPAddress::CUIIPAddress()
    : m_ctrlLabel(MakeControl<CStatic>()), m_ctrlAddr(MakeControl<CIPAddrCtrl>()) {}

CUIIPAddress::~CUIIPAddress() {
    // The control keeps a pointer to the font, which goes with the element.
    if (CWnd * addr = CWnd::FromHandle(m_addrWnd))
        addr->SetFont(nullptr, FALSE);
}

void CUIIPAddress::OnBind() {
    m_labelText = GetLabel();
}

void CUIIPAddress::OnLayout(CLayFormation * form) {
    m_layLabel = new CLayItemText(m_labelText, 1, 1);
    m_layAddr = new CLayItemText(" 8888.8888.8888.8888 ", 4, 1);
    m_layout = new CLayFormPad(m_layAddr, CLayFormPad::padCentre);
    form->AddItem(new CLayFormPad(m_layLabel, CLayFormPad::padCentre | CLayFormPad::padSpace));
    form->AddItem(m_layout);
}

void CUIIPAddress::OnCreate(CWnd & parent, unsigned int & id) {
    if (!m_data || !m_layAddr)
        return;
    CClientDC dc(&parent);
    m_font.Create(dc, "Tahoma", 8, 0);
    unsigned int const addrId = id++;
    if (!CreateControl(*m_ctrlLabel, m_labelText, 0, m_layLabel->GetRect(), parent, 0) ||
        !CreateControl(*m_ctrlAddr, "", m_addrStyle | WS_TABSTOP, m_layAddr->GetRect(), parent,
                       addrId))
        return;
    m_ctrlAddr->SetFont(&m_font);
    m_addrWnd = m_ctrlAddr->GetSafeHwnd();
    AddControl(m_ctrlLabel);
    AddControl(m_ctrlAddr, EN_KILLFOCUS);
}

void CUIIPAddress::OnMove() {
    if (m_ctrlLabel->GetSafeHwnd())
        m_ctrlLabel->MoveWindow(m_layLabel->GetRect(), TRUE);
    if (m_ctrlAddr->GetSafeHwnd())
        m_ctrlAddr->MoveWindow(m_layAddr->GetRect(), TRUE);
}

void CUIIPAddress::OnRename(char const * text) {
    DoRename(m_ctrlLabel, text, TRUE);
}

void CUIIPAddress::OnLoad() {
    if (m_data && m_ctrlAddr->GetSafeHwnd())
        m_ctrlAddr->SetAddress(static_cast<DWORD>(ReadInteger()));
}

unsigned int CUIIPAddress::OnSave(int) {
    if (!m_data || !m_ctrlAddr->GetSafeHwnd())
        return 0;
    DWORD address = 0;
    m_ctrlAddr->GetAddress(address);
    return CommitInteger(static_cast<int>(address));
}
