#include "CExampleSensor.hpp"

AFX_IMPLEMENT_DYNCREATE(CExampleSensor, CExampleDevice)

void CExampleSensor::AddMetaData() {
    CExampleDevice::AddMetaData();
    AddMeta("Threshold", metaInteger, &CExampleSensor::m_threshold);
    AddMeta("Rate", metaInteger, &CExampleSensor::m_rate);
}
