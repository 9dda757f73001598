#pragma once

#include "CUIItem.hpp"

// The example device: a power supply with a name, an output voltage in millivolts, an
// operating mode, an enable switch and a network address, and fixed facts about the model.
// Its pages come from page scripts; page 0 adds two buttons in code: "Details" shows or
// hides the identity facts and renames the ratings' row head, "Lock" disables or enables
// them.
class __attribute__((visibility("default"))) CExampleDevice : public CUIItem {
    AFX_DECLARE_CLASS(CExampleDevice)
    AFX_DECLARE_CONSTRUCT(CExampleDevice)
public:
    static constexpr UINT idDetails = 0x7F01;
    static constexpr UINT idLock = 0x7F02;

    CString m_name = "PSU-1";
    LONG m_voltage = 12000;
    LONG m_mode = 0;
    LONG m_enabled = 1;
    DWORD m_address = 0xC0A80001;
    CString m_model;
    CString m_firmware;
    CString m_limits;

    void LoadUI(CUIViewWnd * view, unsigned int page) override;
    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;

private:
    bool m_detailsShown = true;
    bool m_locked = false;
};
