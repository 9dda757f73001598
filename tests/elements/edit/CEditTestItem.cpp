#include "CEditTestItem.hpp"

#include "IDataAccess.hpp"

AFX_IMPLEMENT_DYNCREATE(CEditTestItem, CUIItem)

namespace {

// Passes every call on to the item's own accessor and logs the writes.
class CLoggingAccess : public IDataAccess {
public:
    CLoggingAccess(IDataAccess * inner, std::vector<std::string> & log)
        : m_inner(inner), m_log(log) {}
    CString ReadString(CItem * item) const override { return m_inner->ReadString(item); }
    LONG ReadInteger(CItem * item) const override { return m_inner->ReadInteger(item); }
    BOOL WriteString(CItem * item, char const * text) const override {
        m_log.push_back(std::string("W ") + GetName() + "=" + text);
        return m_inner->WriteString(item, text);
    }
    BOOL WriteInteger(CItem * item, LONG value) const override {
        m_log.push_back(std::string("W ") + GetName() + "=" + std::to_string(value));
        return m_inner->WriteInteger(item, value);
    }
    void * GetDataPtr(CItem * item) const override { return m_inner->GetDataPtr(item); }
    void NotifyWrite(CItem * item) const override {
        m_log.push_back(std::string("N ") + GetName());
        m_inner->NotifyWrite(item);
    }
    char const * GetName() const override { return m_inner->GetName(); }
    UINT GetType() const override { return m_inner->GetType(); }

private:
    IDataAccess * m_inner;
    std::vector<std::string> & m_log;
};

} // namespace

void CEditTestItem::AddMetaData() {
    CUIItem::AddMetaData();
    AddMeta("Value", metaInteger, &CEditTestItem::m_value);
    AddMeta("Text", metaString, &CEditTestItem::m_text);
    AddMeta("Code", metaInteger, &CEditTestItem::m_code);
    AddMeta("Address", metaInteger, &CEditTestItem::m_address);
}

IDataAccess * CEditTestItem::GetDataAccess(char const * tag) {
    IDataAccess * inner = CUIItem::GetDataAccess(tag);
    if (!inner)
        return nullptr;
    std::unique_ptr<IDataAccess> & logged = m_logged[inner->GetName()];
    if (!logged)
        logged = std::make_unique<CLoggingAccess>(inner, m_log);
    return logged.get();
}

void CEditTestItem::OnUIChange(CUIViewWnd *, CItem *, CString tag) {
    m_log.push_back("C " + tag.Str());
}
