#pragma once

#include "CFont.hpp"
#include "CUIControl.hpp"

class CIPAddrCtrl;
class CLayItem;
class CStatic;

// Edits a 32-bit property that holds an IPv4 address, in an IP address control beside a
// label. The value passes through unchanged both ways: the control's SetAddress and
// GetAddress (first field in the most significant byte) and the item's integer. Leaving the
// control saves it (EN_KILLFOCUS of the main control); a save that writes calls NotifyWrite
// and answers 1. It reads no format and has no text form.
//
// Without the property the element creates no windows: it shows nothing and writes nothing.
class VANTORUI_EXPORT CUIIPAddress : public CUIControl {
    AFX_DECLARE_CLASS(CUIIPAddress)
    AFX_DECLARE_CONSTRUCT(CUIIPAddress)
public:
    CUIIPAddress();
    ~CUIIPAddress() override;

protected:
    void OnBind() override;
    void OnLayout(CLayFormation * form) override;
    void OnCreate(CWnd & parent, unsigned int & id) override;
    void OnMove() override;
    void OnRename(char const * text) override;
    void OnLoad() override;
    unsigned int OnSave(int flag) override;

    CString m_labelText;
    std::uint32_t m_addrStyle = 0;
    CLayItem * m_layLabel = nullptr;
    CLayItem * m_layAddr = nullptr;
    CStatic * m_ctrlLabel;
    CIPAddrCtrl * m_ctrlAddr;
    CFont m_font;

private:
    // The address control's window, to tell whether it outlived the element.
    HWND m_addrWnd = nullptr;
};
