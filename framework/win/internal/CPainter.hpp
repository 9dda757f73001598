#pragma once

#include "CRect.hpp"
#include "WinTypes.hpp"

class CSurface;
class CWindowManager;
struct CWindowRecord;

// Painting: which parts of which windows need painting, and painting them into their
// top-level window's picture. A pass sends WM_ERASEBKGND (for an area invalidated with
// erasing) and WM_PAINT to each window that needs it, parents before children, draws child
// windows' frames, and hands each top-level picture that changed to the display.
//
// Costs stay linear in what changed: invalidating marks the window and enters it in its
// parent's list of children to paint (up to its top-level window), so a pass walks only
// those; the children lying under a painted area are marked once, when their parent has
// painted it. Windows clipped away by their ancestors, and hidden ones, are not painted.
class CPainter {
public:
    explicit CPainter(CWindowManager & manager) : m_manager(manager) {}

    // Where a window's client area lies in its top-level window's picture (made on the
    // screen device at the window's size when needed) and the part of it that the window
    // may draw on; false when there is no picture.
    bool DrawingArea(HWND hwnd, CSurface *& surface, CPoint & origin, CRect & clip);
    // Adds an area (client coordinates) to what a window and the children in it must paint.
    void Invalidate(HWND hwnd, CRect const & rect, bool erase);
    // Paints every visible window that needs it; false when none did.
    bool PaintPending();

private:
    // Enters a window in its parent's list of children to paint, and the parent in its own
    // parent's, up to the first that is already entered.
    void Queue(CWindowRecord & rec);
    void PaintTree(HWND hwnd, bool & painted);
    // Paints a window that needs it; false when it was clipped away (then nothing is due).
    void PaintWindow(CWindowRecord & rec, bool & painted);
    // Draws the border that a child window's styles give it, outside its client area.
    void PaintFrame(CWindowRecord const & rec);

    CWindowManager & m_manager;
};
