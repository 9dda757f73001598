#pragma once

#include "CCtrlWnd.hpp"
#include "IPAddrMessages.hpp"
#include "haldenctrl_export.h"

// An IP address control (window class "SysIPAddress32"): four fields of up to three digits
// in one window, drawn like an edit field in a sunken edge with dots between the fields.
// The fields are not windows of their own: the control keeps the focus while the caret
// moves between them. The typing rules are those of CIPAddrModel; Tab leaves the control
// as it leaves any other. This object sends the window the messages of IPAddrMessages.hpp.
//
// The parent hears, through WM_COMMAND:
// - EN_SETFOCUS when the control gets the focus and EN_KILLFOCUS when it loses it (moving
//   between fields is not a change of focus);
// - EN_CHANGE once for each action of the user that changes the text, a field clamped
//   into its range as it is left included;
// and through WM_NOTIFY IPN_FIELDCHANGED (NMIPADDRESS) when the user leaves a field, for
// another one or by leaving the control, after changing its value. When the focus leaves,
// EN_CHANGE and IPN_FIELDCHANGED come before EN_KILLFOCUS.
// The program's own changes (SetAddress, ClearAddress, SetFieldFocus, SetFieldRange, the
// window text) send nothing but the focus notifications. A handler may destroy the
// control; the control then touches nothing of itself.
class HALDENCTRL_EXPORT CIPAddrCtrl : public CCtrlWnd {
    AFX_DECLARE_CLASS(CIPAddrCtrl)
    AFX_DECLARE_CONSTRUCT(CIPAddrCtrl)
public:
    CIPAddrCtrl() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // The address as one value, the first field in the most significant byte.
    void SetAddress(DWORD address);
    void SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3);
    // The address with blank fields as 0; the number of fields that are not blank.
    int GetAddress(DWORD & address) const;
    int GetAddress(BYTE & field0, BYTE & field1, BYTE & field2, BYTE & field3) const;
    // Blanks every field.
    void ClearAddress();
    BOOL IsBlank() const;
    // Gives the control the focus in a field (0 to 3) with its text selected; a higher
    // number chooses the first blank field.
    void SetFieldFocus(WORD field);
    // Limits a field's values; a field is clamped into its range when the user leaves it.
    void SetFieldRange(int field, BYTE low, BYTE high);
};
