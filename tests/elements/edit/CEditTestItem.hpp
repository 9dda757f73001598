#pragma once

#include "CUIItem.hpp"
#include "IDataAccess.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

// An item with a number, a text, a character code and an address. It logs, in order, what
// reaches it: "W Tag=value" for each write through an accessor, "N Tag" for each
// NotifyWrite, and "C Tag" for each change its view reports.
class CEditTestItem : public CUIItem {
    AFX_DECLARE_CLASS(CEditTestItem)
    AFX_DECLARE_CONSTRUCT(CEditTestItem)
public:
    LONG m_value = 0;
    CString m_text;
    LONG m_code = 65;
    LONG m_address = 0;
    std::vector<std::string> m_log;

    IDataAccess * GetDataAccess(char const * tag) override;
    void OnUIChange(CUIViewWnd * view, CItem * item, CString tag) override;

protected:
    void AddMetaData() override;

private:
    std::map<std::string, std::unique_ptr<IDataAccess>> m_logged;
};
