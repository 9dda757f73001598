#include "CUIViewWnd.hpp"

#include "AfxTrace.hpp"
#include "CClientDC.hpp"
#include "CEntity.hpp"
#include "CItem.hpp"
#include "CLayFormEqual.hpp"
#include "CLayFormGrid.hpp"
#include "CLayFormOverlay.hpp"
#include "CMetaItem.hpp"
#include "CPrintf.hpp"
#include "CResourceException.hpp"
#include "CRuntimeClass.hpp"
#include "CUIButton.hpp"
#include "CUIGroup.hpp"
#include "CUIHeading.hpp"
#include "CUISchema.hpp"
#include "IDataAccess.hpp"

AFX_IMPLEMENT_DYNCREATE(CUIViewWnd, CDialogViewWnd)

CUIViewWnd::CUIViewWnd() {
    // The view belongs to its window once it has one, as the item views are handed out by
    // items and attached by their callers.
    SetOptions(optionAutoDelete);
}

CUIViewWnd::~CUIViewWnd() {
    FreeSchema();
    for (CUIElement * element : m_elements)
        delete element;
    m_elements.Empty();
    m_dict.Empty();
    // An open group or overlay never joined the page, so it is deleted on its own.
    delete m_group;
    delete m_root;
    delete m_outer;
    for (CLayFormation * formation : m_discarded)
        delete formation;
}

CRect CUIViewWnd::GetUIRect() {
    CRect const client = GetClientRect();
    return CRect(client.left + m_border.left, client.top + m_border.top,
                 client.right - m_border.right, client.bottom - m_border.bottom);
}

CSize CUIViewWnd::GetMinSize() {
    return m_root ? m_root->GetMinSize() : CSize();
}

CSize CUIViewWnd::GetMaxSize() {
    return m_root ? m_root->GetMaxSize() : CSize();
}

void CUIViewWnd::Refuse(char const * what) {
    AfxTrace("ERROR: %s\n", what);
    ThrowResourceException(nullptr, 0);
}

void CUIViewWnd::RequirePage(char const * operation) const {
    if (!m_root)
        Refuse(CPrintf("%s before StartPage", operation));
}

void CUIViewWnd::RequireGroup(char const * operation) const {
    RequirePage(operation);
    if (!m_group)
        Refuse(CPrintf("%s with no group or table open", operation));
}

void CUIViewWnd::Discard(CLayFormation * formation) {
    if (formation)
        m_discarded.Append(formation);
}

void CUIViewWnd::AddBlanks(CLayFormation * form, unsigned int count, int size) {
    for (unsigned int i = 0; i < count; ++i)
        form->AddItem(new CLayItem(size));
}

void CUIViewWnd::RequireColumns(unsigned int cols, char const * what) {
    if (cols > maxColumns)
        Refuse(CPrintf("%s of %u columns is more than the %u a page may have", what, cols,
                       maxColumns));
}

void CUIViewWnd::SetPageGrid(unsigned int cols) {
    if (cols == 0)
        Refuse("a page needs at least one column");
    RequireColumns(cols, "a page");
    Discard(m_group);
    Discard(m_outer);
    Discard(m_root);
    m_root = new CLayFormGrid(cols);
    m_group = nullptr;
    m_outer = nullptr;
    m_pageCols = cols;
    m_pageCells = 0;
}

void CUIViewWnd::StartPage(unsigned int cols) {
    SetPageGrid(cols);
}

void CUIViewWnd::StartOverlay() {
    RequirePage("StartOverlay");
    if (m_outer)
        Refuse("StartOverlay inside an overlay");
    m_outer = m_root;
    m_root = new CLayFormOverlay();
}

void CUIViewWnd::EndOverlay() {
    if (!m_outer)
        Refuse("EndOverlay with no overlay open");
    m_outer->AddItem(m_root);
    m_root = m_outer;
    m_outer = nullptr;
}

void CUIViewWnd::StartGroup(char const * name, unsigned int cols, int equal) {
    RequirePage("StartGroup");
    if (cols == 0)
        Refuse("a group needs at least one column");
    RequireColumns(cols, "a group");
    Discard(m_group);
    m_groupName = name;
    if (equal)
        m_group = new CLayFormEqual(2 * cols);
    else
        m_group = new CLayFormGrid(2 * cols);
    m_groupCols = cols;
    m_groupCells = 0;
    m_inTable = 0;
}

void CUIViewWnd::StartGroup(unsigned int cols) {
    StartGroup("", cols, 0);
}

void CUIViewWnd::StartGroup(char const * name, unsigned int cols) {
    StartGroup(name, cols, 0);
}

void CUIViewWnd::StartTable(char const * name, unsigned int cols) {
    RequirePage("StartTable");
    RequireColumns(cols, "a table");
    Discard(m_group);
    m_groupName = name;
    m_group = new CLayFormGrid(2 * (cols + 1));
    m_groupCols = cols + 1;
    m_groupCells = 0;
    m_inTable = 1;
    AddColHead("");
}

void CUIViewWnd::AddHeading(CString const & tag, char const * text) {
    auto * heading = new CUIHeading(tag, CPrintf("%s:", text));
    heading->LayoutUI(m_group);
    m_elements.Append(heading);
    m_paths.Append("root");
    AddToDict(heading);
    ++m_groupCells;
}

void CUIViewWnd::AddColHead(char const * text) {
    RequireGroup("AddColHead");
    AddHeading(CPrintf("ColLabel%u", m_groupCols), text);
}

void CUIViewWnd::AddColHeadExtraRow() {
    RequireGroup("AddColHeadExtraRow");
    m_groupCells = 0;
    AddColHead("");
}

void CUIViewWnd::AddRowHead(char const * text) {
    RequireGroup("AddRowHead");
    AddHeading(CPrintf("RowLabel%u", m_groupCells / m_groupCols - 1), text);
}

int CUIViewWnd::AddUI(CItem * item, CString path, CString tag) {
    RequireGroup("AddUI");
    if (tag.IsEmpty()) {
        AddBlanks(m_group, 2, 1);
        ++m_groupCells;
        return 1;
    }
    CItem * target = GetObjectA(item, path);
    if (!target)
        return 0;
    LoadSchema(target);
    CUIData const * data = m_schema->GetUIData(tag);
    if (!data) {
        Refuse(CPrintf("Could not find tag %s", static_cast<char const *>(tag)));
    }
    return AddUI(target, path, data);
}

int CUIViewWnd::AddUI(CItem * item, CString path, CUIData const * data) {
    RequireGroup("AddUI");
    // A class registered with a base's construct function makes an object of that base:
    // only a real element is accepted.
    CObject * made =
        data->m_class ? data->m_class->NewObject(CUIElement::AfxStaticClassInfo()) : nullptr;
    if (made && !made->IsKindOf(CUIElement::AfxStaticClassInfo())) {
        delete made;
        made = nullptr;
    }
    if (!made) {
        Refuse(CPrintf("Could not create UI element %s", static_cast<char const *>(data->m_tag)));
    }
    auto * element = static_cast<CUIElement *>(made);
    if (!element->Bind(item, data, m_inTable ? CUIElement::modeTable : CUIElement::modeNormal))
        AfxTrace("The tag %s names no property of %s; its element shows nothing\n",
                 static_cast<char const *>(data->m_tag),
                 item->AfxObjectClassInfo()->GetClassNameA());
    element->LayoutUI(m_group);
    m_elements.Append(element);
    m_paths.Append(path);
    AddToDict(element);
    ++m_groupCells;
    return 1;
}

void CUIViewWnd::AddButton(char const * text, char const * tip, unsigned int id) {
    if (text && *text) {
        AddElement(new CUIButton(text, tip, id));
        return;
    }
    RequireGroup("AddButton");
    AddBlanks(m_group, 2, 1);
    m_groupCells += 2;
}

void CUIViewWnd::AddButton(char const * text, unsigned int id) {
    AddButton(text, "", id);
}

void CUIViewWnd::AddElement(CUIElement * element) {
    if (!m_root) {
        delete element;
        RequirePage("AddElement");
    }
    if (m_group) {
        element->LayoutUI(m_group);
        m_elements.Append(element);
        m_paths.Append(CString());
        AddBlanks(m_group, 1, 1);
        m_groupCells += 2;
        return;
    }
    element->LayoutUI(m_root);
    m_elements.Append(element);
    m_paths.Append(CString());
    ++m_pageCells;
}

void CUIViewWnd::EndGroup(int pad) {
    RequireGroup("EndGroup");
    while (m_groupCells % m_groupCols != 0) {
        AddBlanks(m_group, 2, pad);
        ++m_groupCells;
    }
    if (m_groupName.IsEmpty()) {
        m_root->AddItem(m_group);
    } else {
        auto * group = new CUIGroup(m_groupName, m_group);
        group->LayoutUI(m_root);
        m_elements.Append(group);
        m_paths.Append(CString());
    }
    m_group = nullptr;
    ++m_pageCells;
}

void CUIViewWnd::EndTable() {
    EndGroup(0);
}

void CUIViewWnd::EndPage(int pad) {
    RequirePage("EndPage");
    while (m_pageCells % m_pageCols != 0) {
        m_root->AddItem(new CLayItem(pad));
        ++m_pageCells;
    }
    FreeSchema();
}

CUIElement * CUIViewWnd::FindUI(char const * tag) const {
    CUIElement * const * found = m_dict.Find(CString(tag));
    return found ? *found : nullptr;
}

CUIElement * CUIViewWnd::FindUI(CItem * item, char const * tag) const {
    CUIElement * const * found = m_dict.Find(CPrintf("%p.%s", static_cast<void *>(item), tag));
    return found ? *found : nullptr;
}

void CUIViewWnd::AddToDict(CUIElement * element) {
    m_dict.Insert(element->GetTag(), element);
    m_dict.Insert(GetLongName(element), element);
}

CItem * CUIViewWnd::GetObjectA(CItem * item, CString path) {
    if (!item)
        return nullptr;
    if (path == CString("root"))
        return item;
    // Only an item-valued property holds an item pointer; any other is no path.
    IDataAccess * access = item->GetDataAccess(path);
    if (!access || access->GetType() != CMetaItem::metaItem)
        return nullptr;
    return *static_cast<CItem **>(access->GetDataPtr(item));
}

CString CUIViewWnd::GetLongName(CUIElement * element) {
    return GetLongName(element->GetItem(), element->GetTag());
}

CString CUIViewWnd::GetLongName(CItem * item, CString tag) {
    return CPrintf("%p.%s", static_cast<void *>(item), static_cast<char const *>(tag));
}

void CUIViewWnd::LoadSchema(CItem * item) {
    if (m_schema && m_schema->CheckType(item))
        return;
    FreeSchema();
    m_schema = new CUISchema(item);
}

void CUIViewWnd::FreeSchema() {
    delete m_schema;
    m_schema = nullptr;
}

void CUIViewWnd::CreateUI() {
    for (UINT i = 0; i < m_elements.GetCount(); ++i) {
        UINT const first = m_nextId;
        m_elements[i]->CreateUI(*this, m_nextId);
        for (UINT id = first; id < m_nextId && id - m_firstId == m_idOwners.GetCount(); ++id)
            m_idOwners.Append(m_elements[i]);
        m_elements[i]->ShowUI(m_fits);
    }
}

CUIElement * CUIViewWnd::IdOwner(UINT id) const {
    UINT const index = id - m_firstId;
    return id >= m_firstId && index < m_idOwners.GetCount() ? m_idOwners[index] : nullptr;
}

void CUIViewWnd::OnAttach() {
    if (!GetSafeHwnd())
        return;
    bool hadFocus = false;
    for (CWnd * wnd = GetFocus(); wnd && !hadFocus; wnd = wnd->GetParent())
        hadFocus = wnd == this;
    if (hadFocus) {
        ClearFocus();
        HideToolTip();
    }
    m_dict.Empty();
    for (UINT i = 0; i < m_elements.GetCount(); ++i) {
        if (m_paths[i].IsEmpty())
            continue;
        // An element whose path leads nowhere under the new item lets go of the old one, so
        // that no pass reaches an item that may be freed; it stays out of the dictionary
        // until an attachment gives it an item again.
        CItem * target = GetObjectA(GetItem(), m_paths[i]);
        m_elements[i]->RebindUI(target);
        if (target)
            AddToDict(m_elements[i]);
    }
    SendEnable();
    m_focus = nullptr;
    if (hadFocus)
        SetFocus();
}
