#pragma once

#include "CListModel.hpp"
#include "CRect.hpp"
#include "WinTypes.hpp"
#include "internal/ListScrollBar.hpp"

template <class T>
class ControlWindows;

class CDC;
class CFont;
class CString;

// One window of the "listbox" class: its list model and what the window adds (rows of one
// height, the scroll bar drawn inside the client area, mouse, keys and focus), one object
// per window (see ControlWindows). A handler whose notification destroyed the window
// returns at once; it touches nothing of the window then.
//
// With LBS_COMBOBOX the list is a combo box's drop list: a pop-up owned by the combo box.
// It shows no focus, highlights the entry under the mouse (the caret index while there is
// one), passes keys to its owner, and tells its owner, not a parent:
// - LBN_SELCHANGE when the left button is released over an entry: the user chose the
//   caret entry; its own selection is left to the owner;
// - LBN_SELCANCEL when the button goes down outside it, or it loses the capture.
// A top-level list draws its own WS_BORDER (the window manager frames only children).
class ListBoxWindow {
public:
    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit ListBoxWindow(HWND hwnd) : m_hwnd(hwnd) {}
    ListBoxWindow(ListBoxWindow const &) = delete;
    ListBoxWindow & operator=(ListBoxWindow const &) = delete;

private:
    friend class ControlWindows<ListBoxWindow>;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT key);
    void OnChar(UINT codePoint);
    void OnButtonDown(CPoint point, bool doubleClick);
    void OnMouseMove(CPoint point);
    void OnButtonUp(CPoint point);
    void OnMouseWheel(int delta);
    void OnCaptureChanged();
    void OnTimer();
    void OnSetFocus();
    void OnKillFocus();
    void OnEnable(bool enabled);
    void OnSetRedraw(bool redraw);
    void OnPaint();
    // Draws the list; changes nothing.
    void Paint(CDC & dc) const;

    LRESULT OnAddString(char const * text);
    LRESULT OnInsertString(int index, char const * text);
    LRESULT OnDeleteString(int index);
    void OnResetContent();
    LRESULT OnSetCurSel(int index);
    LRESULT OnGetText(int index, CString * text) const;
    LRESULT OnSetTopIndex(int index);
    LRESULT OnGetItemRect(int index, CRect * rect) const;
    LRESULT OnItemFromPoint(CPoint point) const;

    // The user's choice of an entry: it becomes the selection and shows whole, and with
    // LBS_NOTIFY the parent hears LBN_SELCHANGE when it changed. False when the window died.
    bool UserSelect(int index);
    // Ends a drag over the rows or a press on the scroll bar, giving the capture back.
    void CancelPress();
    void StartScroll(ListScrollBar::Part part, CPoint point);
    void ScrollStep(ListScrollBar::Part part);
    bool Notify(UINT code) const;

    bool IsComboList() const;
    DWORD Style() const;
    CFont const & Font() const;
    // Rows follow the font: its line height and a pixel above and below.
    void UpdateMetrics();
    // The client area inside the border a pop-up draws itself, the scroll bar's strip
    // (empty when it does not show) and the rows' area beside it.
    CRect Inner() const;
    bool HasBar() const;
    CRect BarRect() const;
    CRect Rows() const;
    ListScrollBar Bar() const;
    CRect RowRect(int index) const;
    // The entry of the row at a height, counted from the top row even outside the rows
    // (negative above them); callers check it.
    int RowAt(LONG y) const;
    // The entry under a point of the rows, or none.
    int ItemAt(CPoint point) const;
    // The entry drawn highlighted and the one with the focus frame.
    int Highlighted() const;
    void Invalidate() const;

    HWND m_hwnd;
    CListModel m_model;
    LONG m_itemHeight = 1;
    UINT m_timer = 0;
    int m_hot = CListModel::none;
    int m_wheelRest = 0;
    bool m_focused = false;
    bool m_redraw = true;
    // Press states: a drag over the rows, or the scroll bar part held down (shown pushed
    // while the pointer stays on it) with where the thumb was grabbed.
    bool m_tracking = false;
    ListScrollBar::Part m_scrollPress = ListScrollBar::partNone;
    CPoint m_pointer;
    LONG m_grab = 0;
};
