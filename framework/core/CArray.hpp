#pragma once

#include "AfxTypes.hpp"

#include <algorithm>
#include <utility>
#include <vector>

// A growable array. Capacity grows by at least the grow-by step and at least by half the
// current size, so appending stays amortised constant however large the array becomes.
template <class T>
class CArray {
public:
    explicit CArray(UINT growBy = 16) : m_growBy(growBy == 0 ? 1 : growBy) {}

    UINT GetCount() const { return static_cast<UINT>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    UINT GetGrowBy() const { return m_growBy; }

    T & operator[](UINT index) { return m_items[index]; }
    T const & operator[](UINT index) const { return m_items[index]; }
    T & GetAt(UINT index) { return m_items[index]; }
    T const & GetAt(UINT index) const { return m_items[index]; }

    // Appends and returns the new element's index.
    UINT Append(T const & item) {
        Reserve();
        m_items.push_back(item);
        return GetCount() - 1;
    }
    UINT Append(T && item) {
        Reserve();
        m_items.push_back(std::move(item));
        return GetCount() - 1;
    }
    void InsertAt(UINT index, T const & item) {
        Reserve();
        m_items.insert(m_items.begin() + std::min<UINT>(index, GetCount()), item);
    }
    void RemoveAt(UINT index, UINT count = 1) {
        if (index >= GetCount())
            return;
        count = std::min(count, GetCount() - index);
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void Empty() { m_items.clear(); }

    T * begin() { return m_items.data(); }
    T * end() { return m_items.data() + m_items.size(); }
    T const * begin() const { return m_items.data(); }
    T const * end() const { return m_items.data() + m_items.size(); }

private:
    void Reserve() {
        if (m_items.size() < m_items.capacity())
            return;
        std::size_t step = std::max<std::size_t>(m_growBy, m_items.size() / 2);
        m_items.reserve(m_items.size() + step);
    }

    std::vector<T> m_items;
    UINT m_growBy;
};
