#include "CExampleDevice.hpp"

#include "CEntity.hpp"
#include "CUIViewWnd.hpp"
#include "ExampleModule.hpp"

namespace {

// The library's own texts, in the thread's language.
enum : UINT { idsDetails = 1, idsDetailsTip, idsLock, idsLockTip, idsOutput, idsHidden };

CString Text(UINT id) {
    return CString(CEntity(ExampleModule(), id));
}

} // namespace

AFX_IMPLEMENT_DYNCREATE(CExampleDevice, CUIItem)

void CExampleDevice::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Name", metaString, &CExampleDevice::m_name);
    AddMeta("Voltage", metaInteger, &CExampleDevice::m_voltage);
    AddMeta("Mode", metaInteger, &CExampleDevice::m_mode);
    AddMeta("Enabled", metaInteger, &CExampleDevice::m_enabled);
    AddMeta("Address", metaUnsigned, &CExampleDevice::m_address);
    AddMeta("Model", metaString, &CExampleDevice::m_model);
    AddMeta("Firmware", metaString, &CExampleDevice::m_firmware);
    AddMeta("Limits", metaString, &CExampleDevice::m_limits);
}

void CExampleDevice::LoadUI(CUIViewWnd * view, unsigned int page) {
    CUIItem::LoadUI(view, page);
    if (page != 0)
        return;
    view->StartGroup(2);
    view->AddButton(Text(idsDetails), Text(idsDetailsTip), idDetails);
    view->AddButton(Text(idsLock), Text(idsLockTip), idLock);
    view->EndGroup(0);
}

void CExampleDevice::OnUIChange(CUIViewWnd * view, CItem * item, CString tag) {
    if (item != this)
        return;
    if (tag == CString("Button7F01")) {
        m_detailsShown = !m_detailsShown;
        view->ShowUI(this, "Model", m_detailsShown);
        view->ShowUI(this, "Firmware", m_detailsShown);
        view->RenameUI("RowLabel0", Text(m_detailsShown ? idsOutput : idsHidden));
    } else if (tag == CString("Button7F02")) {
        m_locked = !m_locked;
        view->EnableUI(this, "Model", !m_locked);
        view->EnableUI(this, "Firmware", !m_locked);
    } else if (tag.IsEmpty() && m_locked) {
        // An enable pass applies the lock again.
        view->EnableUI(this, "Model", FALSE);
        view->EnableUI(this, "Firmware", FALSE);
    }
}
