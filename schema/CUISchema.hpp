#pragma once

#include "CArray.hpp"
#include "CMap.hpp"
#include "CObject.hpp"
#include "CUIData.hpp"
#include "CUIDataOrigin.hpp"
#include "vantorui_export.h"

class CItem;

// The schema records of one item class, looked up by tag. Records come from the UIList
// resources of the class and its bases (derived before base, the thread's language before
// English) or from a CSV file; they are only ever added, so record pointers stay valid for
// the schema's lifetime, and the first record stored for a tag is the one found.
class VANTORUI_EXPORT CUISchema : public CObject {
    AFX_DECLARE_CLASS(CUISchema)
public:
    // Loads the schema of the item's class. The item must not be null.
    explicit CUISchema(CItem * item);
    ~CUISchema() override;

    // True when the item's class is exactly the class the schema was built for.
    int CheckType(CItem * item) const;
    // The record of a tag, or null.
    CUIData const * GetUIData(char const * tag) const;
    // Reads <folder of this library>/schema/<name>.csv into an empty schema. 0 when the
    // schema already holds records or the file cannot be opened, else 1.
    int LoadFromFile(char const * name);

    // The stored records in the order they were stored, and where each came from.
    UINT GetCount() const { return m_records.GetCount(); }
    CUIData const & GetAt(UINT index) const { return m_records[index]; }
    CUIDataOrigin const & GetOriginAt(UINT index) const { return m_origins[index]; }

protected:
    void LoadData(CRuntimeClass const * cls);

private:
    void LoadList(CRuntimeClass const * cls);
    void LoadListPass(CRuntimeClass const * cls);
    void AddRecord(CUIData && record, CUIDataOrigin && origin);

    CRuntimeClass const * m_itemClass;
    CArray<CUIData> m_records;
    CUIData m_default;
    CMap<CString, UINT> m_index;
    CArray<CUIDataOrigin> m_origins;
};
