#pragma once

#include "CMetaItem.hpp"

// An item with a text and a number property, for elements to bind to.
class CElementTestItem : public CMetaItem {
    AFX_DECLARE_CLASS(CElementTestItem)
    AFX_DECLARE_CONSTRUCT(CElementTestItem)
public:
    CString m_name = "first";
    LONG m_count = 7;

protected:
    void AddMetaData() override;
};
