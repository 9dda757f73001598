#pragma once

#include "CRect.hpp"
#include "CString.hpp"
#include "TabCtrlMessages.hpp"
#include "WinTypes.hpp"

#include <vector>

template <class T>
class ControlWindows;

class CDC;
class CWnd;

// One window of the "SysTabControl32" class: its tabs and selection, the row's geometry
// and the user's selecting, one object per window (see ControlWindows).
//
// A notification can destroy the window: the handlers return at once when the window is
// gone after telling the parent.
class TabCtrlWindow {
public:
    // The room around a tab's text, the space the selected tab grows by on each side and
    // above, and the room between the panel's edges and the display area, in pixels.
    static constexpr int textPadX = 6;
    static constexpr int textPadY = 3;
    static constexpr int raise = 2;
    static constexpr int panelMargin = 4;
    static constexpr int minTabWidth = 24;

    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit TabCtrlWindow(HWND hwnd) : m_hwnd(hwnd) {}
    TabCtrlWindow(TabCtrlWindow const &) = delete;
    TabCtrlWindow & operator=(TabCtrlWindow const &) = delete;

private:
    friend class ControlWindows<TabCtrlWindow>;

    struct Tab {
        CString text;
        LPARAM data = 0;
    };

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnGetDlgCode() const;
    void OnLButtonDown(CPoint point);
    void OnKeyDown(UINT key);
    void OnSetFocus();
    void OnKillFocus();
    LRESULT OnGetItem(int index, TCITEM * item) const;
    LRESULT OnSetItem(int index, TCITEM const * item);
    LRESULT OnInsertItem(int index, TCITEM const * item);
    LRESULT OnDeleteItem(int index);
    LRESULT OnDeleteAllItems();
    LRESULT OnGetItemRect(int index, CRect * rect) const;
    LRESULT OnSetCurSel(int index);
    void OnAdjustRect(bool larger, CRect * rect) const;
    void OnPaint();
    // Draws the control; changes nothing.
    void Paint(CDC & dc) const;
    void PaintTab(CDC & dc, int index, bool selected) const;

    // The user's choice of a tab: TCN_SELCHANGING, which may refuse it, then the change and
    // TCN_SELCHANGE.
    void Select(int index);

    bool IsValid(int index) const;
    int Count() const { return static_cast<int>(m_tabs.size()); }
    CWnd * Wnd() const;
    LONG Width(CString const & text) const;
    LONG LineHeight() const;
    // The height of the row of tabs, from the client's top to the panel's top edge.
    LONG RowHeight() const;
    // A tab's rectangle when it is not selected; the selected one grows by `raise` to the
    // sides and up, and down over the panel's top edge.
    CRect ItemRect(int index) const;
    CRect SelectedRect(int index) const;
    // The tab under a point, or -1.
    int HitTest(CPoint point) const;
    void Invalidate() const;

    HWND m_hwnd;
    std::vector<Tab> m_tabs;
    int m_selected = -1;
    bool m_focused = false;
};
