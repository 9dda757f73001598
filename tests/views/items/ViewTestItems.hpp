#pragma once

#include "CUIItem.hpp"

#include <string>
#include <vector>

#define VIEW_TEST_EXPORT __attribute__((visibility("default")))

class CModule;

// What an item heard from its views: each change as the item told and the tag.
struct CHeardChange {
    CItem * item;
    std::string tag;
    bool operator==(CHeardChange const &) const = default;
};

// A device with two numbers, a name, a note shown as a fixed text and a child channel. Its
// schema list and page scripts are resources of the test library. It records every change
// it hears and every page it is asked for, and runs a test's reaction to a change.
class VIEW_TEST_EXPORT CViewDevice : public CUIItem {
    AFX_DECLARE_CLASS(CViewDevice)
    AFX_DECLARE_CONSTRUCT(CViewDevice)
public:
    LONG m_volts = 12;
    LONG m_amps = 2;
    CString m_name = "PSU";
    CString m_note;
    CItem * m_channel = nullptr;

    std::vector<CHeardChange> m_heard;
    std::vector<unsigned int> m_pages;
    void (*m_react)(CUIViewWnd * view, CViewDevice & self, CString const & tag) = nullptr;

    void LoadUI(CUIViewWnd * view, unsigned int page) override;
    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;
};

// A channel of a device, with the same number and name properties.
class VIEW_TEST_EXPORT CViewChannel : public CUIItem {
    AFX_DECLARE_CLASS(CViewChannel)
    AFX_DECLARE_CONSTRUCT(CViewChannel)
public:
    LONG m_volts = 5;
    CString m_name = "CH1";
    std::vector<CHeardChange> m_heard;

    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;
};

VIEW_TEST_EXPORT CModule * ViewTestModule();
