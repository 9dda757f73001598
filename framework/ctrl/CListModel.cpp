#include "CListModel.hpp"

#include "AfxCompare.hpp"

#include <algorithm>

namespace {

char Fold(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return Fold(a) == Fold(b); });
}

bool Equal(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWith(a, b);
}

} // namespace

std::string const & CListModel::GetText(int index) const {
    static std::string const empty;
    return IsValid(index) ? m_entries[static_cast<std::size_t>(index)].text : empty;
}

std::uintptr_t CListModel::GetData(int index) const {
    return IsValid(index) ? m_entries[static_cast<std::size_t>(index)].data
                          : static_cast<std::uintptr_t>(none);
}

bool CListModel::SetData(int index, std::uintptr_t data) {
    if (!IsValid(index))
        return false;
    m_entries[static_cast<std::size_t>(index)].data = data;
    return true;
}

int CListModel::Insert(int index, std::string_view text, std::uintptr_t data) {
    if (index == none)
        index = GetCount();
    if (index < 0 || index > GetCount())
        return none;
    m_entries.insert(m_entries.begin() + index, Entry{std::string(text), data});
    if (m_selection >= index)
        ++m_selection;
    return index;
}

int CListModel::SortedIndex(std::string_view text) const {
    std::string const key(text);
    auto const at =
        std::upper_bound(m_entries.begin(), m_entries.end(), key,
                         [](std::string const & value, Entry const & entry) {
                             return AfxCompareNoCase(value.c_str(), entry.text.c_str()) < 0;
                         });
    return static_cast<int>(at - m_entries.begin());
}

bool CListModel::Delete(int index) {
    if (!IsValid(index))
        return false;
    m_entries.erase(m_entries.begin() + index);
    if (m_selection == index)
        m_selection = none;
    else if (m_selection > index)
        --m_selection;
    SetTopIndex(m_top);
    return true;
}

void CListModel::Clear() {
    m_entries.clear();
    m_selection = none;
    m_top = 0;
}

bool CListModel::Select(int index) {
    if (index != none && !IsValid(index))
        return false;
    m_selection = index;
    return true;
}

template <class Match>
int CListModel::FindFrom(int start, Match match) const {
    int const count = GetCount();
    int const first = IsValid(start) ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        int const index = (first + step) % count;
        if (match(m_entries[static_cast<std::size_t>(index)]))
            return index;
    }
    return none;
}

int CListModel::FindExact(int start, std::string_view text) const {
    return FindFrom(start, [text](Entry const & entry) { return Equal(entry.text, text); });
}

int CListModel::FindPrefix(int start, std::string_view text) const {
    if (text.empty())
        return none;
    return FindFrom(start, [text](Entry const & entry) { return StartsWith(entry.text, text); });
}

int CListModel::FindData(std::uintptr_t data) const {
    return FindFrom(none, [data](Entry const & entry) { return entry.data == data; });
}

int CListModel::Navigate(int from, Move move, int count, int page) {
    if (count <= 0)
        return none;
    int const last = count - 1;
    if (from < 0 || from > last)
        return move == moveEnd ? last : 0;
    int const step = std::max(1, page - 1);
    switch (move) {
    case moveUp:
        return std::max(0, from - 1);
    case moveDown:
        return std::min(last, from + 1);
    case movePageUp:
        return std::max(0, from - step);
    case movePageDown:
        return std::min(last, from + step);
    case moveHome:
        return 0;
    case moveEnd:
        return last;
    }
    return from;
}

void CListModel::SetPage(int rows) {
    m_page = std::max(1, rows);
    SetTopIndex(m_top);
}

int CListModel::GetMaxTopIndex() const {
    return std::max(0, GetCount() - m_page);
}

void CListModel::SetTopIndex(int index) {
    m_top = std::clamp(index, 0, GetMaxTopIndex());
}

void CListModel::EnsureVisible(int index) {
    if (!IsValid(index))
        return;
    if (index < m_top)
        SetTopIndex(index);
    else if (index >= m_top + m_page)
        SetTopIndex(index - m_page + 1);
}
