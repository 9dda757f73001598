#pragma once

#include "CMetaItem.hpp"

// The example device: a power supply with a name, an output voltage in millivolts, an
// operating mode, an enable switch and a network address.
class __attribute__((visibility("default"))) CExampleDevice : public CMetaItem {
    AFX_DECLARE_CLASS(CExampleDevice)
    AFX_DECLARE_CONSTRUCT(CExampleDevice)
public:
    CString m_name = "PSU-1";
    LONG m_voltage = 12000;
    LONG m_mode = 0;
    LONG m_enabled = 1;
    DWORD m_address = 0xC0A80001;

protected:
    void AddMetaData() override;
};
