#pragma once

#include "CLess.hpp"

#include <map>

// An ordered map. Inserting a key that is present changes nothing, so the first value
// entered under a key is the one found.
template <class K, class V>
class CMap {
public:
    using Items = std::map<K, V, CLess<K>>;

    UINT GetCount() const { return static_cast<UINT>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // True when the key was new and the value was entered.
    bool Insert(K const & key, V const & value) { return m_items.emplace(key, value).second; }
    // Enters or replaces.
    void SetAt(K const & key, V const & value) { m_items.insert_or_assign(key, value); }

    template <class Q>
    V const * Find(Q const & key) const {
        auto it = m_items.find(key);
        return it == m_items.end() ? nullptr : &it->second;
    }
    template <class Q>
    V * Find(Q const & key) {
        auto it = m_items.find(key);
        return it == m_items.end() ? nullptr : &it->second;
    }
    template <class Q>
    bool Remove(Q const & key) {
        auto it = m_items.find(key);
        if (it == m_items.end())
            return false;
        m_items.erase(it);
        return true;
    }
    void Empty() { m_items.clear(); }

    typename Items::const_iterator begin() const { return m_items.begin(); }
    typename Items::const_iterator end() const { return m_items.end(); }

private:
    Items m_items;
};
