#pragma once

#include "CUIItem.hpp"

#include <string>
#include <vector>

// An item with a number and a path for the pickers to edit. It counts the after-write
// notifications of its accessors and records the changes it hears.
class CPickerTestItem : public CUIItem {
    AFX_DECLARE_CLASS(CPickerTestItem)
    AFX_DECLARE_CONSTRUCT(CPickerTestItem)
public:
    LONG m_number = 0;
    CString m_path;
    std::vector<std::string> m_heard;

    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;
};
