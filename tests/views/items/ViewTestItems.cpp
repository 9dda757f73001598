#include "ViewTestItems.hpp"

#include "AfxModuleOf.hpp"
#include "CModule.hpp"

AFX_DEFINE_MODULE(CModule::kindLibrary)

AFX_IMPLEMENT_DYNCREATE(CViewDevice, CUIItem)
AFX_IMPLEMENT_DYNCREATE(CViewChannel, CUIItem)

CModule * ViewTestModule() {
    return afxThisModule_;
}

void CViewDevice::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Volts", metaInteger, &CViewDevice::m_volts);
    AddMeta("Amps", metaInteger, &CViewDevice::m_amps);
    AddMeta("Name", metaString, &CViewDevice::m_name);
    AddMeta("Note", metaString, &CViewDevice::m_note);
    AddMeta("Channel", metaItem, &CViewDevice::m_channel);
}

void CViewDevice::LoadUI(CUIViewWnd * view, unsigned int page) {
    m_pages.push_back(page);
    CUIItem::LoadUI(view, page);
}

void CViewDevice::OnUIChange(CUIViewWnd * view, CItem * item, CString tag) {
    m_heard.push_back({item, tag.Str()});
    if (m_react)
        m_react(view, *this, tag);
}

void CViewChannel::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Volts", metaInteger, &CViewChannel::m_volts);
    AddMeta("Name", metaString, &CViewChannel::m_name);
}

void CViewChannel::OnUIChange(CUIViewWnd *, CItem * item, CString tag) {
    m_heard.push_back({item, tag.Str()});
}
