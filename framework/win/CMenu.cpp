#include "CMenu.hpp"

#include "CWnd.hpp"
#include "WinMessages.hpp"
#include "internal/MenuWindow.hpp"

namespace {

constexpr UINT noItem = 0xFFFFFFFF;
constexpr UINT itemFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED;

} // namespace

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

BOOL CMenu::CreatePopupMenu() {
    if (m_created)
        return FALSE;
    m_created = true;
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    if (!m_created)
        return FALSE;
    m_created = false;
    m_items.clear();
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, char const * text) {
    if (!m_created)
        return FALSE;
    Item item;
    if (flags == MF_SEPARATOR) {
        item.flags = MF_SEPARATOR;
    } else if ((flags & ~itemFlags) == 0) {
        item.flags = flags;
        item.id = id;
        item.text = text ? text : "";
    } else {
        return FALSE;
    }
    m_items.push_back(item);
    return TRUE;
}

BOOL CMenu::AppendSeparator() {
    return AppendMenu(MF_SEPARATOR);
}

CMenu::Item * CMenu::Find(UINT item, UINT flags) {
    return const_cast<Item *>(static_cast<CMenu const *>(this)->Find(item, flags));
}

CMenu::Item const * CMenu::Find(UINT item, UINT flags) const {
    if (flags & MF_BYPOSITION)
        return item < m_items.size() ? &m_items[item] : nullptr;
    for (Item const & entry : m_items)
        if (!(entry.flags & MF_SEPARATOR) && entry.id == item)
            return &entry;
    return nullptr;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    Item * entry = Find(item, flags);
    if (!entry)
        return noItem;
    UINT const before = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return before;
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    Item * entry = Find(item, flags);
    if (!entry)
        return noItem;
    UINT const state = MF_GRAYED | MF_DISABLED;
    UINT const before = entry->flags & state;
    entry->flags = (entry->flags & ~state) | (flags & state);
    return before;
}

BOOL CMenu::SetMenuItemBitmaps(UINT item, UINT flags, CBitmap * unchecked, CBitmap * checked) {
    Item * entry = Find(item, flags);
    if (!entry)
        return FALSE;
    entry->unchecked = unchecked;
    entry->checked = checked;
    return TRUE;
}

int CMenu::GetMenuItemCount() const {
    return m_created ? static_cast<int>(m_items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_items.size())
        return noItem;
    Item const & entry = m_items[static_cast<std::size_t>(position)];
    return entry.flags & MF_SEPARATOR ? 0 : entry.id;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    Item const * entry = Find(item, flags);
    return entry ? entry->flags : noItem;
}

int CMenu::GetMenuString(UINT item, CString & text, UINT flags) const {
    Item const * entry = Find(item, flags);
    text = entry ? entry->text : CString();
    return static_cast<int>(text.GetLength());
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd * owner) {
    if (m_items.empty() || !owner || !owner->IsWindow() || MenuWindow::IsRunning())
        return 0;
    HWND const ownerHandle = owner->GetSafeHwnd();
    UINT chosen = 0;
    {
        MenuWindow window(*this, flags);
        m_window = &window;
        chosen = window.Run(CPoint(x, y), *owner);
        m_window = nullptr;
    }
    if (flags & TPM_RETURNCMD)
        return chosen;
    if (chosen == 0)
        return FALSE;
    if (CWnd * target = CWnd::FromHandle(ownerHandle))
        target->PostMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

BOOL CMenu::GetMenuItemRect(UINT position, CRect & screen) const {
    if (!m_window || position >= m_items.size() || !m_window->IsWindow())
        return FALSE;
    screen = m_window->ItemRect(position);
    m_window->ClientToScreen(screen);
    return TRUE;
}
