#pragma once

#include "CMenu.hpp"
#include "CWnd.hpp"

#include <vector>

class CDC;

// The window of a pop-up menu while CMenu::TrackPopupMenu runs it: it lays the items out,
// paints them and turns keys and the mouse into a choice (see CMenu for the rules).
//
// A choice or a cancel does not end the modal loop at once: it posts the window a message
// that ends it, so that the character message that follows a key (Return, Escape) still
// reaches the menu and never the window that has the focus.
class MenuWindow : public CWnd {
public:
    MenuWindow(CMenu const & menu, UINT flags);

    // Shows the menu at a point of the screen, owned by `owner`, and runs its modal loop.
    // Returns the command chosen, or 0.
    UINT Run(CPoint point, CWnd & owner);
    // True while a menu runs.
    static bool IsRunning();

    // The menu window that a window is, or null.
    static MenuWindow * FromWindow(CWnd & wnd);
    // The position of the first item with a command, or -1.
    int PositionOf(UINT id) const;
    // An item's rectangle in client coordinates; empty past the end.
    CRect ItemRect(std::size_t position) const;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnKeyDown(UINT key);
    void OnChar(UINT codePoint);
    void OnMouseMove(CPoint point);
    void OnButtonDown(CPoint point);
    void OnButtonUp(CPoint point, bool chooses);
    void OnCaptureChanged(HWND taker);
    void OnPaint();

    // Measures the items and gives the menu's size.
    CSize Layout();
    CRect Place(CPoint point, CSize size) const;
    void PaintItem(CDC & dc, std::size_t position) const;
    // The check mark, or the item's bitmap for its state, in `box`, clipped to `clip`.
    void PaintMark(CDC & dc, CMenu::Item const & item, CRect const & box, CRect const & clip) const;

    bool CanChoose(int position) const;
    int ItemAt(CPoint point) const;
    // The next item that can be chosen after `from` going forwards or backwards, wrapping
    // around; -1 when there is none.
    int NextChoosable(int from, int step) const;
    void SetHighlight(int position);
    void MatchCharacter(UINT codePoint);
    // Ends the menu with a command (0: cancelled).
    void Close(UINT command);

    CMenu const & m_menu;
    UINT m_flags;
    std::vector<CRect> m_rects;
    int m_highlight = -1;
    bool m_pressed = false;
    bool m_closing = false;
    UINT m_result = 0;
};
