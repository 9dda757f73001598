#pragma once

#include "AfxTypes.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

// Messages and notifications of the IP address control ("SysIPAddress32" window class),
// with their standard numbers. An address is one 32-bit value with the first field in the
// most significant byte; a blank field reads as 0 in it.

// Blanks every field.
inline constexpr UINT IPM_CLEARADDRESS = WM_USER + 100;
// Sets the four fields from the address in lParam.
inline constexpr UINT IPM_SETADDRESS = WM_USER + 101;
// Writes the address to the DWORD that lParam points at; the number of fields not blank.
inline constexpr UINT IPM_GETADDRESS = WM_USER + 102;
// Limits the field in wParam to the range in lParam (MAKEIPRANGE); FALSE for a field
// beyond the fourth or a low end above the high one.
inline constexpr UINT IPM_SETRANGE = WM_USER + 103;
// Gives the control the focus in the field of wParam with its text selected; beyond the
// fourth field, in the first blank field (the first field when none is).
inline constexpr UINT IPM_SETFOCUS = WM_USER + 104;
// TRUE while every field is blank.
inline constexpr UINT IPM_ISBLANK = WM_USER + 105;

constexpr DWORD MAKEIPADDRESS(unsigned b1, unsigned b2, unsigned b3, unsigned b4) {
    return static_cast<DWORD>((b1 & 0xFF) << 24 | (b2 & 0xFF) << 16 | (b3 & 0xFF) << 8 |
                              (b4 & 0xFF));
}
constexpr LPARAM MAKEIPRANGE(unsigned low, unsigned high) {
    return static_cast<LPARAM>((high & 0xFF) << 8 | (low & 0xFF));
}
constexpr BYTE FIRST_IPADDRESS(DWORD address) {
    return static_cast<BYTE>(address >> 24);
}
constexpr BYTE SECOND_IPADDRESS(DWORD address) {
    return static_cast<BYTE>(address >> 16);
}
constexpr BYTE THIRD_IPADDRESS(DWORD address) {
    return static_cast<BYTE>(address >> 8);
}
constexpr BYTE FOURTH_IPADDRESS(DWORD address) {
    return static_cast<BYTE>(address);
}

// WM_NOTIFY code: the user left a field whose value they changed. The parent may put
// another value of the field's range into iValue, which the field then takes.
inline constexpr UINT IPN_FIRST = static_cast<UINT>(-860);
inline constexpr UINT IPN_FIELDCHANGED = IPN_FIRST - 0;

struct NMIPADDRESS {
    NMHDR hdr;
    int iField = 0;
    // The field's value; -1 for a blank field.
    int iValue = 0;
};
