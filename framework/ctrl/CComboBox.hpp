#pragma once

#include "CCtrlWnd.hpp"
#include "ComboBoxMessages.hpp"
#include "haldenctrl_export.h"

#include <cstdint>

// A combo box (window class "combobox"): a closed field with a drop button, and a list of
// entries (a text and a data value each) that drops below it. CBS_DROPDOWNLIST shows the
// selected entry's text in the field; CBS_DROPDOWN has an edit field (a child edit control
// with identifier 1001) in which the user may also type any text. CBS_SORT keeps added
// entries in order of their texts (letter case ignored); WS_VSCROLL gives the list a scroll
// bar while its entries do not fit (always with CBS_DISABLENOSCROLL). An edit field
// scrolls its text only with CBS_AUTOHSCROLL.
//
// Size: the window is as high as the closed field (the font's line height and 8 pixels).
// The rectangle given at creation, or in a later move, may be taller: what lies below the
// field is the most the open list may take (as on Windows, where that height counts the
// field and the list). The open list shows whole rows, as many as its entries need and
// that room holds (at least one), as wide as the combo box, just below it.
//
// The user opens the list with a click on the button (on a drop-down list, anywhere on
// the field), F4 or Alt+Down. While it is open, the mouse highlights the entry under it
// and Up, Down, Page Up and Page Down (Home and End for a drop-down list) select; a click
// on an entry or Return chooses the highlighted entry and closes the list; Escape, a
// click outside the list (or on the field) and the loss of the focus close it, restoring
// the selection it had when it opened; F4 or Alt+Up close it as a choice. While it is
// closed, the same keys, and for a drop-down list typing a character (the next entry
// beginning with it, letter case ignored), select directly. The mouse wheel and the
// list's scroll bar scroll the open list. Hiding the combo box closes it silently.
//
// Text: a drop-down's field follows the selection, and typing in it selects the entry of
// exactly that text, or none. GetWindowText gives a drop-down's edit text, or the selected
// entry's text of a drop-down list; SetWindowText sets a drop-down's text (selecting the
// entry of that text, if any) and makes a drop-down list select the entry of that text
// (CB_ERR when there is none).
//
// The parent hears, through WM_COMMAND with the combo box's identifier, for the user's
// actions only:
// - CBN_SETFOCUS when the focus comes into the combo box (its field, edit or list) from
//   elsewhere, CBN_KILLFOCUS when it leaves the combo box as a whole; moving between the
//   combo box, its edit field and its list is neither;
// - CBN_DROPDOWN just before the list opens (the parent may still fill it);
// - CBN_SELCHANGE after each change of the selection by keys or by typing a character;
// - on closing, CBN_SELENDOK (a choice) or CBN_SELENDCANCEL (a cancel, also when the focus
//   leaves, before CBN_KILLFOCUS), then CBN_CLOSEUP, then CBN_SELCHANGE when the closing
//   changed the selection;
// - CBN_EDITUPDATE, then CBN_EDITCHANGE, after each change of a drop-down's text by the
//   user.
// CBN_DBLCLK is not sent: it belongs to combo boxes whose list always shows (CBS_SIMPLE),
// which this class does not make. The program's changes (SetCurSel, SelectData,
// SetWindowText, ShowDropDown, adding and deleting) raise nothing. A handler may destroy
// the combo box (an open list goes with it); a combo box being destroyed tells nothing.
//
// Indexes count from 0; CB_ERR (-1) stands for no entry and for failures.
class HALDENCTRL_EXPORT CComboBox : public CCtrlWnd {
    AFX_DECLARE_CLASS(CComboBox)
    AFX_DECLARE_CONSTRUCT(CComboBox)
public:
    // The identifier of a drop-down's edit field.
    static constexpr UINT editId = 1001;

    CComboBox() = default;

    char const * GetWindowClassName() const override;
    // The window class's name; registers the class on first use.
    static char const * WindowClassName();

    // Adds an entry (in sorted order with CBS_SORT, else last) and returns its index.
    int AddString(char const * text, std::uintptr_t data = 0);
    // Inserts an entry before an index (-1: last), never sorted; CB_ERR beyond the end.
    int InsertString(int index, char const * text, std::uintptr_t data = 0);
    // Returns the number of entries left, or CB_ERR for an index out of range.
    int DeleteString(int index);
    // Removes every entry and empties the field.
    void ResetContent();
    int GetCount() const;

    // The text of an entry; empty for an index out of range.
    CString GetLBText(int index) const;
    // The data value of an entry; CB_ERR (all ones) for an index out of range.
    std::uintptr_t GetItemData(int index) const;
    int SetItemData(int index, std::uintptr_t data);

    // The selected entry, or CB_ERR when none is.
    int GetCurSel() const;
    // Selects an entry; the field shows its text. -1 removes the selection and empties the
    // field; so does an index out of range, which gives CB_ERR. Returns the index, or
    // CB_ERR for -1 and out of range.
    int SetCurSel(int index);
    // Selects the first entry that carries a data value and returns its index. When no entry
    // carries it the selection is removed (the field empties) and the result is CB_ERR.
    int SelectData(std::uintptr_t data);

    // The first entry after `start` (-1: from the first), going round, whose text equals
    // `text` with letter case ignored; CB_ERR (all ones) when there is none.
    int FindStringExact(int start, char const * text) const;

    // Selects characters of a drop-down's edit field, as CEditCtrl::SetSel (an end of -1
    // is the end of the text, a start of -1 removes the selection). FALSE for a drop-down
    // list, which has no edit field.
    BOOL SetEditSel(int start, int end);
    // Limits what the user may type into a drop-down's edit field, as CEditCtrl::LimitText.
    void LimitText(UINT limit);

    // Opens or closes the list, as the program: nothing is notified.
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    // Where the list shows, or would show, on the screen.
    CRect GetDroppedControlRect() const;
    // The height of the list's rows.
    int GetItemHeight() const;
    int GetTopIndex() const;
    int SetTopIndex(int index);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
