#include "CMessageMap.hpp"

#include "CWnd.hpp"
#include "WinConstants.hpp"
#include "WinMessages.hpp"

#include <unordered_map>
#include <vector>

// The entries of a map and all its bases, by message, in dispatch order: built once per
// class on its first message, so that dispatch costs one hash lookup and no allocation.
struct CMessageMap::Cache {
    std::unordered_map<UINT, std::vector<CMessageItem const *>> byMessage;
};

bool CMessageItem::Matches(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (message != m_message)
        return false;
    UINT id = 0;
    UINT code = 0;
    switch (message) {
    case WM_COMMAND:
        id = LOWORD(wParam);
        code = HIWORD(wParam);
        break;
    case WM_NOTIFY: {
        auto const * header = reinterpret_cast<NMHDR const *>(lParam);
        if (!header)
            return m_idFirst == anyId && m_code == anyCode;
        id = static_cast<UINT>(header->idFrom);
        code = header->code;
        break;
    }
    case WM_AFX_COMMAND:
        id = static_cast<UINT>(wParam);
        break;
    default:
        return true;
    }
    if (m_idFirst != anyId && (id < m_idFirst || id > m_idLast))
        return false;
    return m_code == anyCode || code == m_code;
}

CMessageMap::CMessageMap(BaseFunction base, CMessageItem const * items)
    : m_base(base), m_items(items) {}

std::span<CMessageItem const> CMessageMap::GetItems() const {
    std::size_t count = 0;
    while (m_items && m_items[count].m_thunk)
        ++count;
    return {m_items, count};
}

CMessageMap::~CMessageMap() = default;

CMessageMap::Cache const & CMessageMap::GetCache() const {
    if (!m_cache) {
        auto cache = std::make_unique<Cache>();
        for (CMessageMap const * map = this; map; map = map->GetBase())
            for (CMessageItem const & item : map->GetItems())
                cache->byMessage[item.m_message].push_back(&item);
        m_cache = std::move(cache);
    }
    return *m_cache;
}

bool CMessageMap::Dispatch(CWnd & wnd, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT & result) const {
    Cache const & cache = GetCache();
    auto found = cache.byMessage.find(message);
    if (found == cache.byMessage.end())
        return false;
    for (CMessageItem const * item : found->second) {
        if (!item->Matches(message, wParam, lParam))
            continue;
        bool handled = false;
        result = item->m_thunk(wnd, item->m_handler, wParam, lParam, handled);
        if (handled)
            return true;
    }
    return false;
}
