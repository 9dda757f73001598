#pragma once

#include "CUIItem.hpp"

class CUIViewWnd;

// The example device: a laboratory power supply. It has a name, a password, an output
// (voltage in millivolts, current limit in hundredths of an ampere, regulation mode, output
// switch, sensing, ramp), a serial and network interface, protection settings, option flags
// and file locations, and fixed facts about the model.
//
// Page 0 (the main window) comes from its page script plus code: an "Output" group whose
// voltage is a CUIMillivoltEdit added with AddElement, and the "Details" and "Lock" buttons.
// "Details" shows or hides the identity facts and renames the ratings' row head, "Lock"
// disables or enables them. Pages 1 and 2 show the identity and the ratings; page 3 holds the
// further settings, with three check boxes over the bits of one flags property added in code.
//
// Rules in OnUIChange: the current limit's largest value falls from 5.00 A to 3.00 A above
// 15.00 V; the profile narrows the regulation modes offered (Battery: constant voltage and
// constant current, LED: constant current and pulsed); the push row clears the alarms or
// sets the output to 0 V; "More..." shows page 3 in a modal item dialog.
class __attribute__((visibility("default"))) CExampleDevice : public CUIItem {
    AFX_DECLARE_CLASS(CExampleDevice)
    AFX_DECLARE_CONSTRUCT(CExampleDevice)
public:
    static constexpr UINT idDetails = 0x7F01;
    static constexpr UINT idLock = 0x7F02;
    // The page the "More..." button shows.
    static constexpr UINT settingsPage = 3;

    CString m_name = "PSU-1";
    CString m_password;
    LONG m_voltage = 12000;
    LONG m_current = 250;
    LONG m_mode = 0;
    LONG m_enabled = 1;
    LONG m_sense = 0;
    LONG m_ramp = 1;
    LONG m_brightness = 8;
    LONG m_fan = 3;
    DWORD m_address = 0xC0A80001;
    DWORD m_register = 0x001F;
    LONG m_terminator = 10;
    LONG m_baud = 9600;
    LONG m_flags = 1;
    LONG m_action = 0;
    LONG m_tripTime = 150;
    LONG m_profile = 0;
    LONG m_alarms = 0;
    LONG m_more = 0;
    CString m_firmwareFile;
    CString m_logFolder = "/tmp";
    CString m_model;
    CString m_firmware;
    CString m_limits;

    // Shows page 3 while the "More..." dialog runs, page 0 otherwise.
    CViewWnd * CreateItemView() override;
    void LoadUI(CUIViewWnd * view, unsigned int page) override;
    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;

private:
    void AddOutputGroup(CUIViewWnd * view);
    void AddFlagsGroup(CUIViewWnd * view);
    void LimitCurrent(CUIViewWnd * view);
    void NarrowModes(CUIViewWnd * view);
    void ShowSettings(CUIViewWnd * view);

    bool m_detailsShown = true;
    bool m_locked = false;
    UINT m_viewPage = 0;
};
