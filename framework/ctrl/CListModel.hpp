#pragma once

#include "haldenctrl_export.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a list box holds and shows, free of windows and drawing: its entries (a UTF-8 text
// and a data value each), the selected entry, and which entries its rows show (the top
// entry and the number of rows that show whole, the page). Indexes count from 0; `none`
// stands for no entry.
//
// Texts compare without regard to the case of ASCII letters, in sorting as in searching.
class HALDENCTRL_EXPORT CListModel {
public:
    static constexpr int none = -1;

    enum Move { moveUp, moveDown, movePageUp, movePageDown, moveHome, moveEnd };

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    bool IsValid(int index) const { return index >= 0 && index < GetCount(); }
    // The text of an entry; empty for an index out of range.
    std::string const & GetText(int index) const;
    // The data value of an entry; all ones for an index out of range.
    std::uintptr_t GetData(int index) const;
    bool SetData(int index, std::uintptr_t data);

    // Inserts an entry before `index` (none or the count: at the end) and returns its
    // index, or none for an index beyond the end. The selection stays on its entry.
    int Insert(int index, std::string_view text, std::uintptr_t data);
    // Where a text goes in a sorted list: after the entries that sort before or equal it.
    int SortedIndex(std::string_view text) const;
    // Deletes an entry; false for an index out of range. Deleting the selected entry leaves
    // nothing selected.
    bool Delete(int index);
    void Clear();

    int GetSelection() const { return m_selection; }
    // Selects an entry, or nothing for none; false (and no change) for an index out of
    // range.
    bool Select(int index);

    // The first entry after `start` (from the first one for none), going round to `start`
    // itself, whose text equals `text` (FindExact) or begins with it (FindPrefix); none
    // when no entry does. An empty prefix matches nothing.
    int FindExact(int start, std::string_view text) const;
    int FindPrefix(int start, std::string_view text) const;
    // The first entry that carries a data value, or none.
    int FindData(std::uintptr_t data) const;

    // The entry a navigation key leads to from `from` in a list of `count` entries that
    // shows `page` rows: one row up or down, a page less one row, the first or the last
    // entry, never beyond the ends. From none, the first entry (End: the last); none when
    // the list is empty.
    static int Navigate(int from, Move move, int count, int page);
    int Navigate(int from, Move move) const { return Navigate(from, move, GetCount(), m_page); }

    // The rows: how many show whole (at least one) and which entry is at the top. The top
    // entry is kept between 0 and the last one that still fills the page.
    void SetPage(int rows);
    int GetPage() const { return m_page; }
    int GetTopIndex() const { return m_top; }
    int GetMaxTopIndex() const;
    void SetTopIndex(int index);
    void ScrollBy(int rows) { SetTopIndex(m_top + rows); }
    // Scrolls as little as needed for an entry to show whole.
    void EnsureVisible(int index);
    // True when the entries do not all fit the page.
    bool CanScroll() const { return GetCount() > m_page; }

private:
    struct Entry {
        std::string text;
        std::uintptr_t data = 0;
    };

    template <class Match>
    int FindFrom(int start, Match match) const;

    std::vector<Entry> m_entries;
    int m_selection = none;
    int m_top = 0;
    int m_page = 1;
};
