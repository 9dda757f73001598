#pragma once

#include "CCtrlWnd.hpp"
#include "ListBoxMessages.hpp"
#include "haldenctrl_export.h"

#include <cstdint>

// A list box (window class "listbox"): a column of entries, each a text and a data value,
// of which the user selects one. The window class does the work; this object sends it the
// messages of ListBoxMessages.hpp.
//
// The user selects with a click (which also gives the list box the focus) or a drag over
// the rows, with Up, Down, Page Up, Page Down, Home and End, and by typing a character,
// which selects the next entry whose text begins with it (letter case ignored); the
// selected entry is scrolled into view. The mouse wheel scrolls three rows a notch. With
// WS_VSCROLL a scroll bar is drawn inside the control's right side while the entries do
// not fit (always with LBS_DISABLENOSCROLL, greyed while there is nothing to scroll); its
// arrows and track scroll by a row and a page, repeating while held, and its thumb drags.
// LBS_SORT keeps added entries in order of their texts (letter case ignored).
//
// The parent hears, through WM_COMMAND:
// - LBN_SELCHANGE when the user changed the selection, with LBS_NOTIFY only;
// - LBN_DBLCLK after a double click on an entry (after the LBN_SELCHANGE of its first
//   click), with LBS_NOTIFY only;
// - LBN_SETFOCUS and LBN_KILLFOCUS when the list box gains and loses the focus.
// The program's changes (SetCurSel, SelectData, adding and deleting) raise nothing. A
// handler may destroy the list box; it then touches nothing of itself, and a list box being
// destroyed tells nothing.
//
// Indexes count from 0; LB_ERR (-1) stands for no entry and for failures.
class HALDENCTRL_EXPORT CListBox : public CCtrlWnd {
    AFX_DECLARE_CLASS(CListBox)
    AFX_DECLARE_CONSTRUCT(CListBox)
public:
    CListBox() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // Adds an entry (in sorted order with LBS_SORT, else last) and returns its index.
    int AddString(char const * text, std::uintptr_t data = 0);
    // Inserts an entry before an index (-1: last), never sorted; LB_ERR beyond the end.
    int InsertString(int index, char const * text, std::uintptr_t data = 0);
    // Returns the number of entries left, or LB_ERR for an index out of range.
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;

    // The text of an entry; empty for an index out of range.
    CString GetText(int index) const;
    // The data value of an entry; LB_ERR (all ones) for an index out of range.
    std::uintptr_t GetItemData(int index) const;
    int SetItemData(int index, std::uintptr_t data);

    // The selected entry, or LB_ERR when none is.
    int GetCurSel() const;
    // Selects an entry and scrolls it into view; -1 removes the selection. An index out of
    // range changes nothing. Returns the index, or LB_ERR for -1 and out of range.
    int SetCurSel(int index);
    // Selects the first entry that carries a data value and returns its index. When no entry
    // carries it, nothing is selected afterwards and the result is LB_ERR.
    int SelectData(std::uintptr_t data);
    // The data value of the selected entry; LB_ERR (all ones) when none is selected.
    std::uintptr_t GetCurSelData() const;

    // The first entry after `start` (-1: from the first), going round, whose text equals
    // `text` with letter case ignored; LB_ERR when there is none.
    int FindStringExact(int start, char const * text) const;

    // The entry in the top row; SetTopIndex scrolls it there as far as the entries below
    // allow (LB_ERR for an index out of range).
    int GetTopIndex() const;
    int SetTopIndex(int index);
    // The height of each row, and an entry's row in client coordinates (LB_ERR for an index
    // out of range).
    int GetItemHeight() const;
    int GetItemRect(int index, CRect & rect) const;

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
