#pragma once

#include "CAutomation.hpp"
#include "CDialogManager.hpp"
#include "CListBox.hpp"

#include <string>
#include <vector>

// Gives a field the focus as Tab would, its text selected, so that typing replaces it.
inline void FocusField(CWnd & dialog, UINT id) {
    AfxSetDlgFocus(dialog.GetDlgItem(id));
}

// What a dialog's list box shows, and clicks on its entries as a user would.
inline CListBox & ListOf(CWnd & dialog, UINT id) {
    return *static_cast<CListBox *>(dialog.GetDlgItem(id));
}

inline std::vector<std::string> Entries(CWnd & dialog, UINT id) {
    CListBox & list = ListOf(dialog, id);
    std::vector<std::string> entries;
    for (int i = 0; i < list.GetCount(); ++i)
        entries.push_back(list.GetText(i).Str());
    return entries;
}

inline std::string Selected(CWnd & dialog, UINT id) {
    CListBox & list = ListOf(dialog, id);
    int const selected = list.GetCurSel();
    return selected == LB_ERR ? std::string("(none)") : list.GetText(selected).Str();
}

// Clicks (or double-clicks) the entry with a text, scrolled into view first; false when
// the list holds none.
inline bool ClickEntry(CWnd & dialog, UINT id, char const * text, bool twice = false) {
    CListBox & list = ListOf(dialog, id);
    int const index = list.FindStringExact(-1, text);
    if (index == LB_ERR)
        return false;
    list.SetTopIndex(index);
    CRect row;
    list.GetItemRect(index, row);
    CPoint const centre(row.left + 10, (row.top + row.bottom) / 2);
    if (twice)
        CAutomation::DoubleClick(&list, centre);
    else
        CAutomation::Click(&list, centre);
    return true;
}
