#include "CIPAddrCtrl.hpp"

#include "internal/IPAddrWindow.hpp"

AFX_IMPLEMENT_DYNCREATE(CIPAddrCtrl, CCtrlWnd)

namespace {

// Sends through a const object: the queries change nothing.
LRESULT Query(CIPAddrCtrl const & ctrl, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return const_cast<CIPAddrCtrl &>(ctrl).SendMessage(message, wParam, lParam);
}

} // namespace

char const * CIPAddrCtrl::GetWindowClassName() const {
    return WindowClassName();
}

char const * CIPAddrCtrl::WindowClassName() {
    return IPAddrWindow::Register();
}

void CIPAddrCtrl::SetAddress(DWORD address) {
    SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
}

void CIPAddrCtrl::SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3) {
    SetAddress(MAKEIPADDRESS(field0, field1, field2, field3));
}

int CIPAddrCtrl::GetAddress(DWORD & address) const {
    address = 0;
    return static_cast<int>(Query(*this, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
}

int CIPAddrCtrl::GetAddress(BYTE & field0, BYTE & field1, BYTE & field2, BYTE & field3) const {
    DWORD address = 0;
    int const filled = GetAddress(address);
    field0 = FIRST_IPADDRESS(address);
    field1 = SECOND_IPADDRESS(address);
    field2 = THIRD_IPADDRESS(address);
    field3 = FOURTH_IPADDRESS(address);
    return filled;
}

void CIPAddrCtrl::ClearAddress() {
    SendMessage(IPM_CLEARADDRESS);
}

BOOL CIPAddrCtrl::IsBlank() const {
    return Query(*this, IPM_ISBLANK) ? TRUE : FALSE;
}

void CIPAddrCtrl::SetFieldFocus(WORD field) {
    SendMessage(IPM_SETFOCUS, field);
}

void CIPAddrCtrl::SetFieldRange(int field, BYTE low, BYTE high) {
    SendMessage(IPM_SETRANGE, static_cast<WPARAM>(field), MAKEIPRANGE(low, high));
}
