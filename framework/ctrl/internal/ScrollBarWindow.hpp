#pragma once

#include "CPoint.hpp"
#include "ScrollBarMessages.hpp"
#include "WinTypes.hpp"
#include "internal/ScrollBarLayout.hpp"

template <class T>
class ControlWindows;

class CDC;
class CWnd;

// One window of the "scrollbar" class: its range and what a press of the mouse or a key is
// doing, one object per window (see ControlWindows).
//
// A request sent to the parent can destroy the window: every handler returns at once when
// Notify reports the window gone.
class ScrollBarWindow {
public:
    // Registers the window class (once) and returns its name.
    static char const * Register();

    explicit ScrollBarWindow(HWND hwnd);
    ScrollBarWindow(ScrollBarWindow const &) = delete;
    ScrollBarWindow & operator=(ScrollBarWindow const &) = delete;

private:
    friend class ControlWindows<ScrollBarWindow>;

    using Part = ScrollBarLayout::Part;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnGetDlgCode(MSG const * msg) const;
    void OnLButtonDown(CPoint point);
    void OnMouseMove(CPoint point);
    void OnLButtonUp();
    void OnTimer(UINT id);
    void OnKeyDown(UINT key);
    void OnKeyUp(UINT key);
    void OnSetFocus();
    void OnKillFocus();
    void OnEnable(bool enabled);
    void OnCaptureChanged();
    LRESULT OnSetPos(int pos, bool redraw);
    LRESULT OnSetRange(int minPos, int maxPos, bool redraw);
    LRESULT OnSetScrollInfo(SCROLLINFO const * info, bool redraw);
    void OnGetScrollInfo(SCROLLINFO * info) const;
    void OnGetScrollBarInfo(SCROLLBARINFO * info) const;
    void OnPaint();
    // Draws the bar; changes nothing.
    void Paint(CDC & dc) const;

    // Sends the parent a request (the position goes with SB_THUMBTRACK and
    // SB_THUMBPOSITION); false when the window is gone afterwards.
    bool Notify(UINT code, int pos = 0);
    // Sends the request of a held arrow or page area again, if the pointer still holds it.
    void Repeat();
    // Ends a mouse press: a drag sends where it ends (where it started when cancelled),
    // then SB_ENDSCROLL.
    void EndPress(bool cancelled);
    // Ends a scroll by a key with SB_ENDSCROLL.
    void EndKey();
    // Whether the pointer lies on the pressed part as the bar stands now.
    bool PointerOnPressedPart() const;
    void SetHot(bool hot);

    bool IsVertical() const;
    bool IsEnabled() const;
    CWnd * Wnd() const;
    // The parts as drawn: the thumb at the tracked position while it is dragged.
    ScrollBarLayout Layout() const;
    void Invalidate() const;

    HWND m_hwnd;
    UINT m_timer;
    ScrollRange m_range;
    // The mouse press: the part held, whether the pointer is on it (it shows pressed), the
    // last pointer position, and for a drag the offset of the pointer into the thumb, the
    // tracked position and the position the drag started from.
    Part m_pressed = Part::partNone;
    bool m_hot = false;
    CPoint m_pointer;
    int m_grip = 0;
    int m_trackPos = 0;
    int m_startPos = 0;
    // The key that scrolls while held; 0 for none.
    UINT m_key = 0;
    bool m_focused = false;
};
