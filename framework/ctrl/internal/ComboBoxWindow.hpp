#pragma once

#include "CRect.hpp"
#include "WinTypes.hpp"

template <class T>
class ControlWindows;

class CDC;
class CFont;
class CString;
class CWnd;
struct CREATESTRUCT;

// One window of the "combobox" class, one object per window (see ControlWindows); a handler
// whose notification destroyed the window returns at once.
//
// The combo box is the closed field; its entries live in its drop list, a pop-up list box
// (LBS_COMBOBOX) that it owns and forwards the entry messages to, and the list's selection
// is the combo box's. A drop-down (CBS_DROPDOWN) has an edit field as a child (ComboEdit);
// a drop-down list draws the selected entry's text itself. While the list is open it holds
// the capture, so clicks on it and outside it reach the list, which reports choices and
// cancels to the combo box.
class ComboBoxWindow {
public:
    // The identifier of a drop-down's edit field, as on Windows.
    static constexpr UINT editId = 1001;

    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit ComboBoxWindow(HWND hwnd) : m_hwnd(hwnd) {}
    ComboBoxWindow(ComboBoxWindow const &) = delete;
    ComboBoxWindow & operator=(ComboBoxWindow const &) = delete;

private:
    friend class ControlWindows<ComboBoxWindow>;

    // How the list closes: the user's choice of the entry given, the user's cancel (the
    // selection it had when it opened comes back), or the program's, which says nothing.
    enum class Close { choose, cancel, quiet };

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnCreate(CREATESTRUCT const & create);
    LRESULT OnGetDlgCode(MSG const * msg) const;
    void OnSetFocus();
    void OnKillFocus(HWND to);
    void OnCommand(UINT code, HWND from);
    void OnEnable(bool enabled);
    void OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT key);
    void OnChar(UINT codePoint);
    void OnButtonDown(CPoint point);
    LRESULT OnSetText(char const * text);
    LRESULT OnGetText(CString * text) const;
    void OnSetRedraw(bool redraw);
    void OnPaint();
    // Draws the field; changes nothing.
    void Paint(CDC & dc) const;

    LRESULT OnSetCurSel(int index);
    LRESULT OnDeleteString(WPARAM index);
    void OnResetContent();
    LRESULT OnSetEditSel(LPARAM range);

    // Opening and closing the list. False when the window died in a notification.
    bool DropDown(bool byUser);
    bool CloseUp(Close how, int chosen);
    // The focus came into the combo box (its field, edit or list) or left it as a whole.
    void GotFocus();
    void LostFocus();
    // The user's choice of an entry while the list is closed or by keys while it is open:
    // the selection, the field following it, CBN_SELCHANGE when it changed.
    bool UserSelect(int index);
    // The program's (or a closing list's) change of the selection, the field following.
    void SetSelection(int index);
    // The user changed the edit field's text: the entry of that text is selected, if any.
    void EditChanged();
    bool Notify(UINT code) const;

    CWnd * Wnd() const;
    CWnd * List() const;
    CWnd * Edit() const;
    LRESULT ToList(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int Selection() const;
    CString EntryText(int index) const;
    CString CurrentText() const;
    // Keeps the window manager's copy of the text (the field's) current.
    void SyncText() const;
    bool IsPartOf(HWND hwnd) const;
    CFont const & Font() const;

    // Geometry. The window is as high as the closed field; a taller rectangle given at
    // creation or in a move sets the height the open list may take below it.
    LONG FieldHeight() const;
    void FitHeight();
    CRect ButtonRect() const;
    CRect EditRect() const;
    CRect ListRect() const;
    // Rows of the open list at its full height: the page of Page Up and Page Down.
    int ListPage() const;
    void Invalidate() const;

    HWND m_hwnd;
    HWND m_list = nullptr;
    HWND m_edit = nullptr;
    LONG m_listHeight = 0;
    int m_droppedIndex = -1;
    bool m_dropped = false;
    bool m_focused = false;
    bool m_redraw = true;
    bool m_fitting = false;
};
