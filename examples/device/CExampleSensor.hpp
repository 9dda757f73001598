#pragma once

#include "CExampleDevice.hpp"

// A device with a sensor: everything the device has, plus a threshold and a sample rate.
// Its own schema list relabels the voltage; the rest comes from the device's list.
class __attribute__((visibility("default"))) CExampleSensor : public CExampleDevice {
    AFX_DECLARE_CLASS(CExampleSensor)
    AFX_DECLARE_CONSTRUCT(CExampleSensor)
public:
    LONG m_threshold = 500;
    LONG m_rate = 2;

protected:
    void AddMetaData() override;
};
