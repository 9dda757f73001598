#include "CExampleDevice.hpp"

AFX_IMPLEMENT_DYNCREATE(CExampleDevice, CMetaItem)

void CExampleDevice::AddMetaData() {
    CMetaItem::AddMetaData();
    AddMeta("Name", metaString, &CExampleDevice::m_name);
    AddMeta("Voltage", metaInteger, &CExampleDevice::m_voltage);
    AddMeta("Mode", metaInteger, &CExampleDevice::m_mode);
    AddMeta("Enabled", metaInteger, &CExampleDevice::m_enabled);
    AddMeta("Address", metaUnsigned, &CExampleDevice::m_address);
}
