#pragma once

#include "CLess.hpp"

#include <set>

// An ordered set.
template <class K>
class CSet {
public:
    using Items = std::set<K, CLess<K>>;

    UINT GetCount() const { return static_cast<UINT>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // True when the key was new.
    bool Insert(K const & key) { return m_items.insert(key).second; }
    template <class Q>
    bool Contains(Q const & key) const {
        return m_items.find(key) != m_items.end();
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
