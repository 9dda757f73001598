// CPowerSupply.hpp
#pragma once

#include <vantorui/CUIItem.hpp>
#include <vantorui/CUIViewWnd.hpp>

class CPowerSupply : public CUIItem {
    AFX_DECLARE_CLASS(CPowerSupply)
    AFX_DECLARE_CONSTRUCT(CPowerSupply)
public:
    CString m_name = "Bench supply";
    LONG m_voltage = 500; // in hundredths of a volt
    LONG m_current = 100; // in hundredths of an ampere

    // Called after each change a page made; update, enable, show or rename elements here.
    void OnUIChange(CUIViewWnd * view, CItem *, CString tag) override {
        if (tag == CString("Voltage") || tag.IsEmpty())
            view->EnableUI("Current", m_voltage > 0);
    }

protected:
    void AddMetaData() override {
        CUIItem::AddMetaData();
        AddMeta("Name", metaString, &CPowerSupply::m_name);
        AddMeta("Voltage", metaInteger, &CPowerSupply::m_voltage);
        AddMeta("Current", metaInteger, &CPowerSupply::m_current);
    }
};
