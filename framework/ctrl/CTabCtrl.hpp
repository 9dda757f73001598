#pragma once

#include "CCtrlWnd.hpp"
#include "TabCtrlMessages.hpp"
#include "haldenctrl_export.h"

// A tab control (window class "SysTabControl32"): a row of tabs along the top, each with a
// text and a data value, above a raised panel whose inside is the display area (AdjustRect)
// where the program shows the selected tab's page. The selected tab stands raised and
// joined to the panel; with the focus it wears a focus frame. Tabs that do not fit the
// width are cut off at the right. This object sends the window the messages of
// TabCtrlMessages.hpp.
//
// The user selects a tab by pressing the left mouse button on it (which gives the control
// the focus unless it has TCS_FOCUSNEVER) or, with the focus, by Left and Right (to the
// neighbour) and Ctrl+Tab and Ctrl+Shift+Tab (to the next and previous, round the row).
// The parent hears through WM_NOTIFY (NMHDR) TCN_SELCHANGING first, and when it answers 0,
// the selection changes and TCN_SELCHANGE follows; a nonzero answer keeps the selection.
// The program's own changes (SetCurSel, inserting and deleting tabs) send nothing. A
// handler may destroy the control; the control then touches nothing of itself. A disabled
// control ignores the mouse and keys and greys its texts.
class HALDENCTRL_EXPORT CTabCtrl : public CCtrlWnd {
    AFX_DECLARE_CLASS(CTabCtrl)
    AFX_DECLARE_CONSTRUCT(CTabCtrl)
public:
    CTabCtrl() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // Inserts a tab before `index` (at the end when index is the count or more); the new
    // tab's number, or -1 for a negative index.
    int InsertItem(int index, char const * text, LPARAM data = 0);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(int index, TCITEM & item) const;
    BOOL SetItem(int index, TCITEM const & item);
    // A tab's text and data; empty and 0 for no such tab.
    CString GetItemText(int index) const;
    LPARAM GetItemData(int index) const;

    // The selected tab, or -1.
    int GetCurSel() const;
    // Selects a tab without a notification; the tab selected before, or -1 for no such tab.
    int SetCurSel(int index);

    // A tab's rectangle in client coordinates (as drawn when it is not selected).
    BOOL GetItemRect(int index, CRect & rect) const;
    // larger FALSE: the display area of a window rectangle; TRUE: the window rectangle of a
    // display area.
    void AdjustRect(BOOL larger, CRect & rect) const;
};
