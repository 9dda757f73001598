#pragma once

#include "CObject.hpp"
#include "vantorcore_export.h"

class IDataAccess;
class CViewWnd;

// A node of the configuration tree.
class VANTORCORE_EXPORT CItem : public CObject {
    AFX_DECLARE_CLASS(CItem)
    AFX_DECLARE_CONSTRUCT(CItem)
public:
    CItem() = default;
    ~CItem() override = default;

    // The accessor of a named property, or null when the item has no such property.
    virtual IDataAccess * GetDataAccess(char const * tag);
    // A view that shows the item; null for an item without a user interface.
    virtual CViewWnd * CreateItemView();

    // Marks the item as changed since it was last saved (or clears the mark).
    void SetDirty(BOOL dirty = TRUE) { m_dirty = dirty; }
    BOOL IsDirty() const { return m_dirty; }

    // The item that holds this one; not owned.
    void SetParent(CItem * parent) { m_parent = parent; }
    CItem * GetParent() const { return m_parent; }

private:
    CItem * m_parent = nullptr;
    BOOL m_dirty = FALSE;
};
